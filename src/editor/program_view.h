#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "model/channel_table.h"

class QTableWidget;

namespace qm530 {

struct AppContext;
class CLanguageDlg;
class CProgramDoc;

// The view of a document: the channel grid and the commands of the
// Program and Setup menus and of printing. The main frame sends every
// view command of the menus, toolbar and accelerators to the view of the
// active document window through OnCommand.
class CProgramView : public QWidget {
    Q_OBJECT
public:
    CProgramView(CProgramDoc* doc, AppContext& ctx, QWidget* parent = nullptr);
    ~CProgramView() override;

    CProgramDoc* GetDocument() const { return doc_; }
    AppContext& Context() const { return ctx_; }

    // Called once the window exists, when the document is new or opened:
    // fills the grid from the image.
    virtual void OnInitialUpdate();
    // The image into the grid (ends with the model/band synchronisation).
    void ImageToGrid();
    // The grid back into the image (before save, write and Scan Info).
    void GridToImage();

    // Whether a view command (ids in app/command_ids.h) is available now.
    bool IsCommandEnabled(int commandId) const;
    // Runs a view command; false when the view does not handle it.
    bool OnCommand(int commandId);

    std::string PortName = "COM1";
    int TransferDirection = 0;
    std::int32_t BandLow = 0;
    std::int32_t BandHigh = 0;

    const ChannelTable& Table() const { return table_; }

public slots:
    void OnRead();
    void OnWrite();
    void OnComSetup();
    void OnScanInfo();
    void OnLanguage();
    void OnFilePrint();
    void OnFilePrintPreview();

private:
    void ShowTable();

    CProgramDoc* doc_;
    AppContext& ctx_;
    ChannelTable table_;
    QTableWidget* grid_ = nullptr;
    std::unique_ptr<CLanguageDlg> languageDlg_;
    bool firstUpdate_ = true;
};

}  // namespace qm530
