#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::app {

// The navigation bar docked at the left of the main window: a caption band
// with the company name and a close button, the tree of the four editing
// areas, and a 6-pixel strip at its right edge that resizes it.
class CNavigationBar : public QWidget {
    Q_OBJECT
  public:
    // The four areas, in tree order.
    enum Area { ProductInformation = 0, ChannelInformation, OptionalFeatures, SideKey };

    // `frame` is the main window: half its width limits the bar's width.
    CNavigationBar(ui::AppContext& ctx, QWidget* frame, QWidget* parent = nullptr);
    ~CNavigationBar() override;

    QTreeWidget* Tree() const { return tree_; }
    QTreeWidgetItem* RootItem() const;
    const QString& CaptionText() const { return captionText_; }
    int BarWidth() const { return barWidth_; }

    // Geometry of the last paint (bar coordinates).
    QRect CloseButtonRect() const { return closeRect_; }
    QRect ResizeStrip() const;
    // The guide line while the edge is dragged (bar coordinates).
    bool GuideShown() const { return guideShown_; }
    int GuideX() const { return guideX_; }
    bool Pressed() const { return pressed_; }

    // Where the mouse cursor is, in global coordinates (tests replace it).
    std::function<QPoint()> cursorPos;

    QSize sizeHint() const override;

  signals:
    // An area was clicked in the tree.
    void AreaRequested(int area);
    // The close button was released over itself.
    void CloseRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void LayoutTree();
    void ComputeRects();
    void OnSelectionChanged();
    int HalfFrameWidth() const;
    void ShowGuide(int x);
    void HideGuide();

    ui::AppContext& ctx_;
    QPointer<QWidget> frame_;
    QFont font_;
    QString captionText_;
    int titleHeight_ = 22;
    int barWidth_ = 220;
    QTreeWidget* tree_ = nullptr;
    QRect frameRect_;
    QRect closeRect_;
    QPointer<QWidget> guide_;  // owned by the main window when there is one
    bool resizing_ = false;
    bool guideShown_ = false;
    int guideX_ = 0;
    bool tracking_ = false;
    bool hot_ = false;
    bool pressed_ = false;
    bool reselecting_ = false;
};

// The four item texts in the interface language, in tree order.
QString NavigationItemText(int area);

}  // namespace qm530::app
