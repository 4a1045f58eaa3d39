#pragma once
// The settings store: what the programs once kept in the registry (the
// framework's window placement, the application look, the mouse wheel's
// scroll lines), kept in one text file of the settings folder that all
// programs of the suite share.
//
// Keys are paths such as "Software/KELMWF/Workspace" or "Control
// Panel/Desktop" ("\" is taken as "/", case matters); each key holds named
// values of three types, as the registry's REG_SZ, REG_DWORD and REG_BINARY.
// Every write reads the file again and replaces it whole under a lock, so that
// programs running side by side lose none of each other's values.
//
// The file (Windows-1252 text, CR LF) reads like an INI file:
//   [Software/KELMWF/Workspace]
//   ApplicationLook=dword:215
//   WindowPlacement=hex:0300000000000000...
//   [Control Panel/Desktop]
//   WheelScrollLines=sz:3
// Lines the reader does not understand are kept as they are.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

class SettingsStore {
 public:
  // The store of the suite: REGISTRY.INI in the settings folder (created
  // with the folder on the first write).
  SettingsStore();
  // A store in a file of its own (tests).
  explicit SettingsStore(std::string path);

  const std::string& path() const { return path_; }

  // A value, or nullopt when the key or the value is missing or the value has
  // another type.
  std::optional<std::string> GetString(std::string_view key, std::string_view name) const;
  std::optional<std::uint32_t> GetDword(std::string_view key, std::string_view name) const;
  std::optional<std::vector<std::uint8_t>> GetBinary(std::string_view key, std::string_view name) const;
  // Writes a value (creating the key); false when the file cannot be written.
  bool SetString(std::string_view key, std::string_view name, std::string_view value);
  bool SetDword(std::string_view key, std::string_view name, std::uint32_t value);
  bool SetBinary(std::string_view key, std::string_view name, const std::vector<std::uint8_t>& value);
  // Removes a value, or a key with its values and the keys below it; true
  // when nothing of it is left.
  bool DeleteValue(std::string_view key, std::string_view name);
  bool DeleteKey(std::string_view key);
  bool KeyExists(std::string_view key) const;
  // The names of a key's values, in the file's order.
  std::vector<std::string> ValueNames(std::string_view key) const;

 private:
  struct Value {
    std::string type;  // "sz", "dword", "hex"
    std::string data;  // decoded: text, or the bytes of a binary value
  };
  std::optional<Value> Read(std::string_view key, std::string_view name) const;
  bool Write(std::string_view key, std::string_view name, const std::optional<Value>& value);

  std::string path_;
};

// The number of lines a notch of the mouse wheel scrolls: the string value
// "WheelScrollLines" of the key "Control Panel/Desktop", read as a base-10
// number (text that is none gives 0, as strtol does); 3 when it is missing.
int WheelScrollLines(const SettingsStore& store);

}  // namespace plat
