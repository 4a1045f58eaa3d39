#include "platform/frames/command_target.h"

#include <algorithm>

namespace plat {

CommandTarget::CommandTarget() = default;
CommandTarget::~CommandTarget() = default;

void CommandTarget::MapCommand(UINT id, Handler handler) { commands_[id] = std::move(handler); }

void CommandTarget::MapCommandRange(UINT first, UINT last, RangeHandler handler) {
  command_ranges_.insert(command_ranges_.begin(), {Range{first, last}, std::move(handler)});
}

void CommandTarget::MapUpdate(UINT id, UpdateHandler handler) { updates_[id] = std::move(handler); }

void CommandTarget::MapUpdateRange(UINT first, UINT last, UpdateHandler handler) {
  update_ranges_.insert(update_ranges_.begin(), {Range{first, last}, std::move(handler)});
}

void CommandTarget::UnmapCommand(UINT id) {
  commands_.erase(id);
  updates_.erase(id);
  const auto holds = [id](const auto& entry) { return entry.first.first <= id && id <= entry.first.last; };
  std::erase_if(command_ranges_, holds);
  std::erase_if(update_ranges_, holds);
}

bool CommandTarget::DispatchOwnMap(UINT id, int code, CmdUI* ui) {
  if (code == CN_UPDATE_COMMAND_UI) {
    if (!ui) return false;
    if (auto it = updates_.find(id); it != updates_.end() && it->second) {
      UpdateHandler handler = it->second;  // the handler may change the map
      handler(*ui);
      return true;
    }
    for (const auto& [range, handler] : update_ranges_) {
      if (range.first <= id && id <= range.last && handler) {
        UpdateHandler copy = handler;
        copy(*ui);
        return true;
      }
    }
    return false;
  }
  if (auto it = commands_.find(id); it != commands_.end() && it->second) {
    if (code == CN_COMMAND) {
      Handler handler = it->second;  // the handler may change the map or end this object
      handler();
    }
    return true;
  }
  for (const auto& [range, handler] : command_ranges_) {
    if (range.first <= id && id <= range.last && handler) {
      if (code == CN_COMMAND) {
        RangeHandler copy = handler;
        copy(id);
      }
      return true;
    }
  }
  return false;
}

bool CommandTarget::OnCmdMsg(UINT id, int code, CmdUI* ui) { return DispatchOwnMap(id, code, ui); }

bool CommandTarget::DoUpdate(CommandTarget& target, CmdUI& ui, bool disable_if_no_handler) {
  if (ui.id() == 0 || (ui.id() & 0xFFFF) == 0xFFFF) return true;  // separators and statics
  const bool updated = target.OnCmdMsg(ui.id(), CN_UPDATE_COMMAND_UI, &ui);
  // An element that no update handler enabled or disabled is enabled when
  // its command has a handler.
  if (disable_if_no_handler && !ui.enabled()) ui.Enable(target.OnCmdMsg(ui.id(), CN_PROBE_COMMAND, nullptr));
  return updated;
}

}  // namespace plat
