// ruler_widgets.h — the rulers around an editor window's page view: the
// horizontal ruler (PaintBox3) above it, the vertical ruler (PaintBox4)
// beside it and the tab-kind selector (PaintBox2) in the corner. They draw
// through QtCanvas and hand mouse events to the editor, which owns the drag.
#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

class QGridLayout;

namespace vendaro {

class Editor;
class PageView;

// The tab kind the selector shows and new stops get: one value for all
// windows, kept by the main window.
struct RulerTabKindSource {
  std::function<int32_t()> current;
  std::function<void()> cycle;
};

inline constexpr int kRulerThickness = 26;

class HorizontalRuler : public QWidget {
 public:
  HorizontalRuler(RulerTabKindSource tabKind, QWidget* parent);
  void setEditor(Editor* editor) { editor_ = editor; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Editor* editor_ = nullptr;
  RulerTabKindSource tabKind_;
  Qt::MouseButton dragButton_ = Qt::NoButton;
};

class VerticalRuler : public QWidget {
 public:
  explicit VerticalRuler(QWidget* parent);
  void setEditor(Editor* editor) { editor_ = editor; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Editor* editor_ = nullptr;
};

class TabKindSelector : public QWidget {
 public:
  TabKindSelector(RulerTabKindSource tabKind, QWidget* parent);
  // The kind changed (here or in another window): show it.
  void showKind();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  RulerTabKindSource tabKind_;
};

// The page view with the rulers around it; the rulers can be hidden.
class RulerFrame : public QWidget {
 public:
  RulerFrame(PageView* view, RulerTabKindSource tabKind, QWidget* parent = nullptr);
  void setEditor(Editor* editor);
  void setRulersVisible(bool visible);
  bool rulersVisible() const;
  // The page view painted (the caret's line may have moved) or a drag moved.
  void updateRulers();
  void showTabKind() { selector_->showKind(); }
  HorizontalRuler& horizontalRuler() const { return *horizontal_; }
  VerticalRuler& verticalRuler() const { return *vertical_; }
  TabKindSelector& tabKindSelector() const { return *selector_; }

 private:
  HorizontalRuler* horizontal_;
  VerticalRuler* vertical_;
  TabKindSelector* selector_;
};

}  // namespace vendaro
