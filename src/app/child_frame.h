#pragma once

#include <QMdiSubWindow>
#include <memory>

namespace qm530 {
class CProgramDoc;
}  // namespace qm530

namespace qm530::editor {
class CProgramView;
}  // namespace qm530::editor

namespace qm530::ui {
struct AppContext;
}  // namespace qm530::ui

namespace qm530::app {

// A document window: owns its document and its view. Its close box (and
// File > Close) only hides it; it is destroyed by File > New or at the end
// of the run.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    CChildFrame(ui::AppContext& ctx, std::unique_ptr<CProgramDoc> doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CProgramDoc* GetDocument() const { return doc_.get(); }
    editor::CProgramView* GetView() const { return view_; }

  signals:
    // The close box or Ctrl+F4: the main frame hides the window.
    void HideRequested(CChildFrame* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    ui::AppContext& ctx_;
    std::unique_ptr<CProgramDoc> doc_;
    editor::CProgramView* view_ = nullptr;
};

}  // namespace qm530::app
