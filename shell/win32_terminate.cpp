// The terminate handler of the program's exe. The C++ runtime's default one
// prints the type of an uncaught exception, and to do that links in a
// symbol demangler worth a tenth of the exe. The program throws nothing it
// does not catch and has no console to print to, so ending the process
// abnormally is all a terminate handler can usefully do here.
#include <cstdlib>

#if defined(__GNUC__) && !defined(__clang__)
// Defining the runtime's handler here keeps the linker from taking the
// library's version (and, with it, the demangler).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
