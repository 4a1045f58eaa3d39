#pragma once
// Drop effects in Qt's terms and back, for platform/ only.
#include <Qt>

#include "platform/clipboard/data_object.h"

namespace plat::detail {

inline DROPEFFECT EffectOf(Qt::DropAction action) {
  switch (action) {
    case Qt::CopyAction: return DROPEFFECT_COPY;
    case Qt::MoveAction: return DROPEFFECT_MOVE;
    case Qt::LinkAction: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
  }
}

inline DROPEFFECT EffectsOf(Qt::DropActions actions) {
  DROPEFFECT effects = DROPEFFECT_NONE;
  if (actions & Qt::CopyAction) effects |= DROPEFFECT_COPY;
  if (actions & Qt::MoveAction) effects |= DROPEFFECT_MOVE;
  if (actions & Qt::LinkAction) effects |= DROPEFFECT_LINK;
  return effects;
}

inline Qt::DropActions ActionsOf(DROPEFFECT effects) {
  Qt::DropActions actions;
  if (effects & DROPEFFECT_COPY) actions |= Qt::CopyAction;
  if (effects & DROPEFFECT_MOVE) actions |= Qt::MoveAction;
  if (effects & DROPEFFECT_LINK) actions |= Qt::LinkAction;
  return actions;
}

// The one action of a drop: copy before move before link.
inline Qt::DropAction ActionOf(DROPEFFECT effect) {
  if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
  if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
  if (effect & DROPEFFECT_LINK) return Qt::LinkAction;
  return Qt::IgnoreAction;
}

}  // namespace plat::detail
