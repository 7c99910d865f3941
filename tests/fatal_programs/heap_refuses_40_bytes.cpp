// The heap refuses a request of 40 bytes, and the program's initialisation
// asks for exactly that: the box reads "分配 40 字节内存失败!".
#include <cstddef>

#include "fatal_program.h"
#include "main_window_units.h"
#include "shell_state.h"
#include "text_memory.h"

namespace {

void* (*system_allocate)(void*, std::size_t) = nullptr;

void* RefuseFortyBytes(void* heap, std::size_t size) { return size == 40 ? nullptr : system_allocate(heap, size); }

void AskForFortyBytes() {
  Heap& heap = Shell().heap;
  system_allocate = heap.allocate;
  heap.allocate = &RefuseFortyBytes;
  ReleaseMemory(AllocateMemory(40));
}

}  // namespace

const ProgramData& TheProgram() {
  static const ProgramData program =
      fatal_program::WithData(fatal_program::MainStoredForm(), kMainWindowNumber, &AskForFortyBytes);
  return program;
}
