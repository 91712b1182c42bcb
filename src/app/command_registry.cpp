#include "app/command_registry.h"

#include <QAction>
#include <QMenu>

#include <utility>

namespace vendaro {
namespace {

constexpr char kLaterProperty[] = "vendaroLater";
constexpr char kCommandProperty[] = "vendaroCommand";

}  // namespace

QAction* CommandRegistry::make(QMenu* menu, const char* caption) {
  const QString text = QString::fromUtf8(caption);
  return menu ? menu->addAction(text) : new QAction(text, owner_);
}

QAction* CommandRegistry::command(QMenu* menu, const char* caption, CommandNeed need, Handler handler,
                                  QKeySequence shortcut) {
  QAction* action = make(menu, caption);
  QObject::connect(action, &QAction::triggered, action, [handler = std::move(handler)] { handler(); });
  action->setProperty(kCommandProperty, true);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return add(action, need);
}

QAction* CommandRegistry::later(QMenu* menu, const char* caption, CommandNeed need) {
  return addLater(make(menu, caption), need);
}

QAction* CommandRegistry::add(QAction* action, CommandNeed need) {
  entries_.push_back({action, need});
  return action;
}

QAction* CommandRegistry::addLater(QAction* action, CommandNeed need) {
  action->setProperty(kLaterProperty, true);
  action->setEnabled(false);
  return add(action, need);
}

void CommandRegistry::update(const CommandContext& context) const {
  for (const Entry& entry : entries_)
    entry.action->setEnabled(!isLater(*entry.action) && commandAllowed(entry.need, context));
}

std::optional<CommandNeed> CommandRegistry::needOf(const QAction& action) const {
  for (const Entry& entry : entries_)
    if (entry.action == &action) return entry.need;
  return std::nullopt;
}

bool CommandRegistry::isLater(const QAction& action) { return action.property(kLaterProperty).toBool(); }

bool CommandRegistry::runsCommand(const QAction& action) { return action.property(kCommandProperty).toBool(); }

}  // namespace vendaro
