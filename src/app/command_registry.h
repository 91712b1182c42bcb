// command_registry.h — every menu entry and tool button with what it needs of
// the active document. One pass enables them all when a menu opens, a
// document comes or goes, or the caret's frame changes. Entries whose
// operation the program does not have yet are made with `later` and stay
// disabled whatever the document; giving one its operation means making it
// with `command` instead.
#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "editing/command_needs.h"

class QAction;
class QMenu;
class QObject;
class QWidget;

namespace vendaro {

class CommandRegistry {
 public:
  using Handler = std::function<void()>;

  // A new entry of `menu` (or an action of `owner` when `menu` is null)
  // that runs `handler`.
  QAction* command(QMenu* menu, const char* caption, CommandNeed need, Handler handler, QKeySequence shortcut = {});
  // An entry whose operation has not come yet: present, connected to
  // nothing, never enabled.
  QAction* later(QMenu* menu, const char* caption, CommandNeed need);
  // Registers an action made elsewhere (a tool button's, a check entry's).
  QAction* add(QAction* action, CommandNeed need);
  QAction* addLater(QAction* action, CommandNeed need);
  // The parent of actions made without a menu (tool bar buttons).
  void setOwner(QObject* owner) { owner_ = owner; }

  // Enables every registered action by its need in `context`.
  void update(const CommandContext& context) const;
  static bool isLater(const QAction& action);
  // Made by `command`: connected to its operation.
  static bool runsCommand(const QAction& action);
  // The need `action` was registered with; none for an unregistered one.
  std::optional<CommandNeed> needOf(const QAction& action) const;

 private:
  struct Entry {
    QAction* action;
    CommandNeed need;
  };
  QAction* make(QMenu* menu, const char* caption);

  QObject* owner_ = nullptr;
  std::vector<Entry> entries_;
};

}  // namespace vendaro
