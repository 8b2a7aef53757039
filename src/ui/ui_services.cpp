#include "ui/ui_services.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include "ui/window_caption.h"

namespace qm530::ui {

namespace {

// Button texts come from the language pack (context "qm530::MessageBox").
QString ButtonText(const char* text) {
    return QCoreApplication::translate("qm530::MessageBox", text);
}

struct ButtonChoice {
    MsgResult result;
    const char* text;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonChoice> ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return {{MsgResult::Ok, QT_TRANSLATE_NOOP("qm530::MessageBox", "OK"),
                     QMessageBox::AcceptRole}};
        case MsgButtons::OkCancel:
            return {{MsgResult::Ok, QT_TRANSLATE_NOOP("qm530::MessageBox", "OK"),
                     QMessageBox::AcceptRole},
                    {MsgResult::Cancel, QT_TRANSLATE_NOOP("qm530::MessageBox", "Cancel"),
                     QMessageBox::RejectRole}};
        case MsgButtons::RetryCancel:
            return {{MsgResult::Retry, QT_TRANSLATE_NOOP("qm530::MessageBox", "&Retry"),
                     QMessageBox::AcceptRole},
                    {MsgResult::Cancel, QT_TRANSLATE_NOOP("qm530::MessageBox", "Cancel"),
                     QMessageBox::RejectRole}};
        case MsgButtons::YesNo:
            return {{MsgResult::Yes, QT_TRANSLATE_NOOP("qm530::MessageBox", "&Yes"),
                     QMessageBox::YesRole},
                    {MsgResult::No, QT_TRANSLATE_NOOP("qm530::MessageBox", "&No"),
                     QMessageBox::NoRole}};
        case MsgButtons::YesNoCancel:
            return {
                {MsgResult::Yes, QT_TRANSLATE_NOOP("qm530::MessageBox", "&Yes"),
                 QMessageBox::YesRole},
                {MsgResult::No, QT_TRANSLATE_NOOP("qm530::MessageBox", "&No"), QMessageBox::NoRole},
                {MsgResult::Cancel, QT_TRANSLATE_NOOP("qm530::MessageBox", "Cancel"),
                 QMessageBox::RejectRole}};
        case MsgButtons::SaveDiscardCancel:
            return {{MsgResult::Yes, QT_TRANSLATE_NOOP("qm530::MessageBox", "&Save"),
                     QMessageBox::AcceptRole},
                    {MsgResult::No, QT_TRANSLATE_NOOP("qm530::MessageBox", "&Discard"),
                     QMessageBox::DestructiveRole},
                    {MsgResult::Cancel, QT_TRANSLATE_NOOP("qm530::MessageBox", "Cancel"),
                     QMessageBox::RejectRole}};
    }
    return {};
}

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return QMessageBox::NoIcon;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Stop:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString FilterOf(FileKind kind) {
    return kind == FileKind::ChannelList ? QStringLiteral("*.csv") : QStringLiteral("*.dat");
}

QString SuffixOf(FileKind kind) {
    return kind == FileKind::ChannelList ? QStringLiteral("csv") : QStringLiteral("dat");
}

}  // namespace

MsgResult QtUiServices::MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                   MsgButtons buttons, MsgIcon icon) {
    QMessageBox box(parent);
    box.setIcon(IconOf(icon));
    box.setWindowTitle(WindowCaption(caption));
    box.setText(text);
    const std::vector<ButtonChoice> choices = ButtonsOf(buttons);
    std::vector<QPushButton*> made;
    for (const ButtonChoice& choice : choices)
        made.push_back(box.addButton(ButtonText(choice.text), choice.role));
    box.setDefaultButton(made.front());
    if (buttons != MsgButtons::YesNo) box.setEscapeButton(made.back());
    box.exec();
    for (std::size_t i = 0; i < made.size(); ++i) {
        if (box.clickedButton() == made[i]) return choices[i].result;
    }
    // Closed without a button (YesNo has no escape): the last button's answer.
    return choices.back().result;
}

QString QtUiServices::GetOpenFileName(QWidget* parent, const QString& caption, FileKind kind) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), FilterOf(kind));
}

QString QtUiServices::GetSaveFileName(QWidget* parent, const QString& caption,
                                      const QString& proposed, FileKind kind) {
    QFileDialog dialog(parent, caption, QString(), FilterOf(kind));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(SuffixOf(kind));
    if (!proposed.isEmpty()) dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return WithDefaultExtension(dialog.selectedFiles().constFirst(), kind);
}

void SetDialogModality(QDialog& dialog) {
    dialog.setWindowModality(dialog.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
}

int QtUiServices::ExecDialog(QDialog& dialog) {
    SetDialogModality(dialog);
    return dialog.exec();
}

bool QtUiServices::StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QString WithDefaultExtension(const QString& fileName, FileKind kind) {
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty()) return fileName;
    return fileName + QLatin1Char('.') + SuffixOf(kind);
}

}  // namespace qm530::ui
