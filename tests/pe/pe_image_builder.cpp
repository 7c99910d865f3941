#include "pe_image_builder.h"

#include <algorithm>

namespace pe_fixture {

pe::ResourceId Number(std::uint16_t n) { return {false, n, {}}; }
pe::ResourceId Name(const std::string& ascii) { return {true, 0, ascii}; }

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
  bytes.at(at) = static_cast<std::uint8_t>(v);
  bytes.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
  Put16(bytes, at, v & 0xFFFF);
  Put16(bytes, at + 2, v >> 16);
}

namespace {

constexpr std::size_t kFileAlign = 0x200;
constexpr std::uint32_t kSectionAlign = 0x1000;

std::size_t AlignUp(std::size_t v, std::size_t a) { return (v + a - 1) / a * a; }

// Resources grouped by type, then name, in order of first appearance.
struct NameGroup {
  pe::ResourceId name;
  std::vector<const FixtureResource*> languages;
};
struct TypeGroup {
  pe::ResourceId type;
  std::vector<NameGroup> names;
};

std::vector<TypeGroup> Group(const std::vector<FixtureResource>& resources) {
  std::vector<TypeGroup> types;
  for (const FixtureResource& r : resources) {
    auto t = std::find_if(types.begin(), types.end(), [&](const TypeGroup& g) { return g.type == r.type; });
    if (t == types.end()) t = types.insert(types.end(), TypeGroup{r.type, {}});
    auto n = std::find_if(t->names.begin(), t->names.end(), [&](const NameGroup& g) { return g.name == r.name; });
    if (n == t->names.end()) n = t->names.insert(t->names.end(), NameGroup{r.name, {}});
    n->languages.push_back(&r);
  }
  return types;
}

// The resource section: directories, then data entries, then names, then data.
std::vector<std::uint8_t> BuildResourceSection(const std::vector<FixtureResource>& resources, std::uint32_t rva,
                                               std::size_t& first_data_entry, std::size_t& first_name) {
  const std::vector<TypeGroup> types = Group(resources);
  const auto dir_size = [](std::size_t entries) { return 16 + 8 * entries; };

  std::size_t size = dir_size(types.size());
  for (const TypeGroup& t : types) {
    size += dir_size(t.names.size());
    for (const NameGroup& n : t.names) size += dir_size(n.languages.size());
  }
  first_data_entry = size;
  size += 16 * resources.size();
  std::vector<std::size_t> name_offsets;
  const auto add_name = [&](const pe::ResourceId& id) {
    if (!id.is_name) return;
    name_offsets.push_back(size);
    size += 2 + 2 * id.name.size();
  };
  for (const TypeGroup& t : types) {
    add_name(t.type);
    for (const NameGroup& n : t.names) add_name(n.name);
  }
  first_name = name_offsets.empty() ? 0 : name_offsets.front();
  std::vector<std::size_t> data_offsets;
  for (const TypeGroup& t : types) {
    for (const NameGroup& n : t.names) {
      for (const FixtureResource* r : n.languages) {
        size = AlignUp(size, 8);
        data_offsets.push_back(size);
        size += r->data.size();
      }
    }
  }

  std::vector<std::uint8_t> out(AlignUp(size, kFileAlign));
  std::size_t next_dir = 0, next_entry = first_data_entry, next_name = 0, next_data = 0;
  const auto write_dir = [&](std::size_t count) {
    const std::size_t at = next_dir;
    // All entries counted as numbered: readers take the sum of both counts,
    // and a name is marked in the entry itself.
    Put16(out, at + 14, static_cast<std::uint32_t>(count));
    next_dir += dir_size(count);
    return at;
  };
  const auto write_key = [&](std::size_t at, const pe::ResourceId& id) {
    if (!id.is_name) {
      Put32(out, at, id.number);
      return;
    }
    const std::size_t name_at = name_offsets[next_name++];
    Put16(out, name_at, static_cast<std::uint32_t>(id.name.size()));
    for (std::size_t i = 0; i < id.name.size(); ++i)
      Put16(out, name_at + 2 + 2 * i, static_cast<std::uint8_t>(id.name[i]));
    Put32(out, at, 0x80000000u | static_cast<std::uint32_t>(name_at));
  };

  const std::size_t root = write_dir(types.size());
  for (std::size_t ti = 0; ti < types.size(); ++ti) {
    const std::size_t type_dir = write_dir(types[ti].names.size());
    write_key(root + 16 + 8 * ti, types[ti].type);
    Put32(out, root + 16 + 8 * ti + 4, 0x80000000u | static_cast<std::uint32_t>(type_dir));
    for (std::size_t ni = 0; ni < types[ti].names.size(); ++ni) {
      const NameGroup& n = types[ti].names[ni];
      const std::size_t name_dir = write_dir(n.languages.size());
      write_key(type_dir + 16 + 8 * ni, n.name);
      Put32(out, type_dir + 16 + 8 * ni + 4, 0x80000000u | static_cast<std::uint32_t>(name_dir));
      for (std::size_t li = 0; li < n.languages.size(); ++li) {
        const FixtureResource& r = *n.languages[li];
        Put32(out, name_dir + 16 + 8 * li, r.language);
        Put32(out, name_dir + 16 + 8 * li + 4, static_cast<std::uint32_t>(next_entry));
        const std::size_t data_at = data_offsets[next_data++];
        Put32(out, next_entry, rva + static_cast<std::uint32_t>(data_at));
        Put32(out, next_entry + 4, static_cast<std::uint32_t>(r.data.size()));
        Put32(out, next_entry + 8, 936);  // code page
        std::copy(r.data.begin(), r.data.end(), out.begin() + static_cast<std::ptrdiff_t>(data_at));
        next_entry += 16;
      }
    }
  }
  return out;
}

// The import section: descriptors (only the name filled in), a zero
// descriptor, then the DLL names.
std::vector<std::uint8_t> BuildImportSection(const std::vector<std::string>& dlls, std::uint32_t rva) {
  std::size_t names_at = 20 * (dlls.size() + 1);
  std::size_t size = names_at;
  for (const std::string& d : dlls) size += d.size() + 1;
  std::vector<std::uint8_t> out(AlignUp(size, kFileAlign));
  for (std::size_t i = 0; i < dlls.size(); ++i) {
    Put32(out, 20 * i + 12, rva + static_cast<std::uint32_t>(names_at));
    std::copy(dlls[i].begin(), dlls[i].end(), out.begin() + static_cast<std::ptrdiff_t>(names_at));
    names_at += dlls[i].size() + 1;
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> BuildImage(const FixtureImage& fixture, Layout* layout) {
  Layout l;
  l.pe_offset = 0x40;
  const std::size_t coff = l.pe_offset + 4;
  l.optional_offset = coff + 20;
  const std::size_t optional_size = fixture.pe32_plus ? 240 : 224;
  l.section_table = l.optional_offset + optional_size;
  const std::size_t headers = AlignUp(l.section_table + 2 * 40, kFileAlign);

  l.rsrc_rva = kResourceRva;
  std::vector<std::uint8_t> rsrc = fixture.raw_resource_section;
  if (rsrc.empty()) {
    rsrc = BuildResourceSection(fixture.resources, l.rsrc_rva, l.first_data_entry, l.first_name);
  } else {
    rsrc.resize(AlignUp(rsrc.size(), kFileAlign));
  }
  const std::uint32_t idata_rva = l.rsrc_rva + static_cast<std::uint32_t>(AlignUp(rsrc.size() + 1, kSectionAlign));
  std::vector<std::uint8_t> idata = BuildImportSection(fixture.imports, idata_rva);
  l.rsrc_offset = headers;
  l.idata_offset = headers + rsrc.size();
  l.first_data_entry += l.rsrc_offset;
  l.first_name += l.rsrc_offset;

  std::vector<std::uint8_t> out(l.idata_offset + idata.size());
  out[0] = 'M';
  out[1] = 'Z';
  Put32(out, 0x3C, static_cast<std::uint32_t>(l.pe_offset));
  Put32(out, l.pe_offset, 0x00004550);
  Put16(out, coff, fixture.pe32_plus ? 0x8664 : 0x14C);
  Put16(out, coff + 2, 2);  // sections
  Put16(out, coff + 16, static_cast<std::uint32_t>(optional_size));
  Put16(out, coff + 18, 0x0022);  // executable, large-address aware
  Put16(out, l.optional_offset, fixture.pe32_plus ? 0x20B : 0x10B);
  const std::size_t directories = l.optional_offset + (fixture.pe32_plus ? 112 : 96);
  Put32(out, directories - 4, 16);  // NumberOfRvaAndSizes
  l.import_directory = directories + 8;
  if (!fixture.imports.empty()) {
    Put32(out, directories + 8, idata_rva);
    Put32(out, directories + 12, static_cast<std::uint32_t>(20 * (fixture.imports.size() + 1)));
  }
  if (!fixture.resources.empty() || !fixture.raw_resource_section.empty()) {
    Put32(out, directories + 16, l.rsrc_rva);
    Put32(out, directories + 20, static_cast<std::uint32_t>(rsrc.size()));
  }
  const auto section = [&](std::size_t at, const char* name, std::uint32_t rva, std::size_t raw_size,
                           std::size_t raw_offset) {
    std::copy(name, name + std::char_traits<char>::length(name), out.begin() + static_cast<std::ptrdiff_t>(at));
    Put32(out, at + 8, static_cast<std::uint32_t>(raw_size));  // virtual size
    Put32(out, at + 12, rva);
    Put32(out, at + 16, static_cast<std::uint32_t>(raw_size));
    Put32(out, at + 20, static_cast<std::uint32_t>(raw_offset));
    Put32(out, at + 36, 0x40000040);  // initialised data, readable
  };
  section(l.section_table, ".rsrc", l.rsrc_rva, rsrc.size(), l.rsrc_offset);
  section(l.section_table + 40, ".idata", idata_rva, idata.size(), l.idata_offset);
  std::copy(rsrc.begin(), rsrc.end(), out.begin() + static_cast<std::ptrdiff_t>(l.rsrc_offset));
  std::copy(idata.begin(), idata.end(), out.begin() + static_cast<std::ptrdiff_t>(l.idata_offset));
  if (layout != nullptr) *layout = l;
  return out;
}

}  // namespace pe_fixture
