#include "platform/settings_store/settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

#include "platform/files.h"
#include "platform/settings_folder.h"
#include "platform/text_file.h"

namespace plat {
namespace {

// "\" as "/", no empty parts, no "/" at either end.
std::string NormalKey(std::string_view key) {
  std::string out;
  for (char c : key) {
    if (c == '\\') c = '/';
    if (c == '/' && (out.empty() || out.back() == '/')) continue;
    out += c;
  }
  while (!out.empty() && out.back() == '/') out.pop_back();
  return out;
}

std::string Escape(std::string_view text, bool name) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '=':
        if (name) {
          out += "\\=";
          break;
        }
        [[fallthrough]];
      default: out += c;
    }
  }
  return out;
}

// Decodes escaped text up to an unescaped `stop` (0: the end); `*end` is where it stopped.
std::string Unescape(std::string_view text, char stop, std::size_t* end) {
  std::string out;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (stop && c == stop) break;
    if (c == '\\' && i + 1 < text.size()) {
      c = text[++i];
      if (c == 'r') c = '\r';
      if (c == 'n') c = '\n';
    }
    out += c;
  }
  if (end) *end = i;
  return out;
}

std::string Hex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

std::optional<std::string> FromHex(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  const auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int hi = digit(text[i]);
    const int lo = digit(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
  }
  return out;
}

// One line of the file, understood or kept as it is.
struct Line {
  std::string raw;
  bool is_value = false;
  std::string name;
  std::string type;
  std::string data;  // decoded
};

struct Section {
  std::string key;         // empty: the lines before the first key
  std::vector<Line> lines;
};

Line ParseLine(const std::string& raw) {
  Line line;
  line.raw = raw;
  std::size_t end = 0;
  std::string name = Unescape(raw, '=', &end);
  if (end >= raw.size() || name.empty()) return line;
  const std::string_view rest = std::string_view(raw).substr(end + 1);
  const std::size_t colon = rest.find(':');
  if (colon == std::string_view::npos) return line;
  const std::string type(rest.substr(0, colon));
  const std::string_view body = rest.substr(colon + 1);
  std::string data;
  if (type == "sz") {
    data = Unescape(body, 0, nullptr);
  } else if (type == "dword") {
    if (body.empty() || body.size() > 10) return line;
    std::uint64_t v = 0;
    for (char c : body) {
      if (c < '0' || c > '9') return line;
      v = v * 10 + static_cast<unsigned>(c - '0');
    }
    if (v > 0xFFFFFFFFu) return line;
    data = std::to_string(v);
  } else if (type == "hex") {
    auto bytes = FromHex(body);
    if (!bytes) return line;
    data = std::move(*bytes);
  } else {
    return line;
  }
  line.is_value = true;
  line.name = std::move(name);
  line.type = type;
  line.data = std::move(data);
  return line;
}

std::string FormatLine(const Line& line) {
  std::string body = line.type == "hex" ? Hex(line.data) : line.type == "sz" ? Escape(line.data, false) : line.data;
  return Escape(line.name, true) + "=" + line.type + ":" + body;
}

std::vector<Section> Parse(const std::string& path) {
  std::vector<Section> sections(1);
  const auto lines = ReadLines(path);
  if (!lines) return sections;
  for (const std::string& raw : *lines) {
    if (raw.size() >= 2 && raw.front() == '[' && raw.back() == ']') {
      Section s;
      s.key = NormalKey(Unescape(std::string_view(raw).substr(1, raw.size() - 2), 0, nullptr));
      sections.push_back(std::move(s));
      continue;
    }
    if (raw.empty()) continue;
    sections.back().lines.push_back(ParseLine(raw));
  }
  return sections;
}

std::string Format(const std::vector<Section>& sections) {
  std::string text;
  for (const Section& s : sections) {
    if (s.key.empty() && s.lines.empty()) continue;
    if (!s.key.empty()) text += "[" + Escape(s.key, false) + "]\n";
    for (const Line& l : s.lines) text += (l.is_value ? FormatLine(l) : l.raw) + "\n";
  }
  return text;
}

bool Below(const std::string& key, const std::string& parent) {
  return key == parent || (key.size() > parent.size() && key.compare(0, parent.size(), parent) == 0 &&
                           key[parent.size()] == '/');
}

// An exclusive lock on "<file>.lock" for the lifetime of the object.
class FileLock {
 public:
  explicit FileLock(const std::string& path) {
    fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_ = -1;
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Replaces the settings file whole or not at all.
bool WriteWhole(const std::string& path, const std::vector<Section>& sections) {
  TextWriter out(path, TextWriter::Mode::kReplaceWhole);
  out.Write(Format(sections));
  return out.Close();
}

}  // namespace

SettingsStore::SettingsStore() : path_(SettingsFolderPath() + "/REGISTRY.INI") {}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {}

std::optional<SettingsStore::Value> SettingsStore::Read(std::string_view key, std::string_view name) const {
  const std::string k = NormalKey(key);
  const std::vector<Section> sections = Parse(path_);
  std::optional<Value> found;
  for (const Section& s : sections) {
    if (s.key != k) continue;
    for (const Line& l : s.lines) {
      if (l.is_value && l.name == name) found = Value{l.type, l.data};  // the last one counts
    }
  }
  return found;
}

bool SettingsStore::Write(std::string_view key, std::string_view name, const std::optional<Value>& value) {
  const std::string k = NormalKey(key);
  if (k.empty() || name.empty()) return false;
  const std::string folder = FolderOf(path_);
  if (!folder.empty() && !MakeFolder(folder)) return false;
  FileLock lock(path_);
  std::vector<Section> sections = Parse(path_);
  Section* section = nullptr;
  for (Section& s : sections) {
    if (s.key == k) section = &s;
    if (s.key != k) continue;
    std::erase_if(s.lines, [&](const Line& l) { return l.is_value && l.name == name; });
  }
  if (value) {
    if (!section) {
      sections.push_back(Section{k, {}});
      section = &sections.back();
    }
    Line line;
    line.is_value = true;
    line.name = std::string(name);
    line.type = value->type;
    line.data = value->data;
    section->lines.push_back(std::move(line));
  }
  return WriteWhole(path_, sections);
}

std::optional<std::string> SettingsStore::GetString(std::string_view key, std::string_view name) const {
  auto v = Read(key, name);
  if (!v || v->type != "sz") return std::nullopt;
  return v->data;
}

std::optional<std::uint32_t> SettingsStore::GetDword(std::string_view key, std::string_view name) const {
  auto v = Read(key, name);
  if (!v || v->type != "dword") return std::nullopt;
  return static_cast<std::uint32_t>(std::stoul(v->data));
}

std::optional<std::vector<std::uint8_t>> SettingsStore::GetBinary(std::string_view key,
                                                                   std::string_view name) const {
  auto v = Read(key, name);
  if (!v || v->type != "hex") return std::nullopt;
  return std::vector<std::uint8_t>(v->data.begin(), v->data.end());
}

bool SettingsStore::SetString(std::string_view key, std::string_view name, std::string_view value) {
  return Write(key, name, Value{"sz", std::string(value)});
}

bool SettingsStore::SetDword(std::string_view key, std::string_view name, std::uint32_t value) {
  return Write(key, name, Value{"dword", std::to_string(value)});
}

bool SettingsStore::SetBinary(std::string_view key, std::string_view name, const std::vector<std::uint8_t>& value) {
  return Write(key, name, Value{"hex", std::string(value.begin(), value.end())});
}

bool SettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  if (!Read(key, name)) return true;
  return Write(key, name, std::nullopt);
}

bool SettingsStore::DeleteKey(std::string_view key) {
  const std::string k = NormalKey(key);
  if (k.empty() || !KeyExists(k)) return true;
  FileLock lock(path_);
  std::vector<Section> sections = Parse(path_);
  std::erase_if(sections, [&](const Section& s) { return !s.key.empty() && Below(s.key, k); });
  return WriteWhole(path_, sections);
}

bool SettingsStore::KeyExists(std::string_view key) const {
  const std::string k = NormalKey(key);
  if (k.empty()) return false;
  for (const Section& s : Parse(path_)) {
    if (!s.key.empty() && Below(s.key, k)) return true;
  }
  return false;
}

std::vector<std::string> SettingsStore::ValueNames(std::string_view key) const {
  const std::string k = NormalKey(key);
  std::vector<std::string> names;
  for (const Section& s : Parse(path_)) {
    if (s.key != k) continue;
    for (const Line& l : s.lines) {
      if (l.is_value && std::find(names.begin(), names.end(), l.name) == names.end()) names.push_back(l.name);
    }
  }
  return names;
}

int WheelScrollLines(const SettingsStore& store) {
  const auto text = store.GetString("Control Panel/Desktop", "WheelScrollLines");
  if (!text) return 3;
  // A long as wide as Windows' (32 bits): larger numbers stop at its limits.
  const long value = std::strtol(text->c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

}  // namespace plat
