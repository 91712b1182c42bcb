// enter_key.h — Enter in a tool bar box runs the box's own action (apply
// what was typed, go back to the text) instead of the box's default handling.
#pragma once

#include <functional>

class QComboBox;

namespace vendaro {

void onEnter(QComboBox* box, std::function<void()> done);

}  // namespace vendaro
