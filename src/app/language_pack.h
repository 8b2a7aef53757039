#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <memory>

class QTranslator;

namespace qm530::app {

// A language pack: <Language>.rcc beside the program. It holds the
// translations of every resource text (qm530.qm, plus Qt's own qtbase.qm
// where the pack carries one) and the pictures: icons 128 and 131,
// cursor 132, bitmap 137 and the toolbar buttons, under ":/pack/".
class LanguagePack {
  public:
    LanguagePack();
    ~LanguagePack();  // unloads
    LanguagePack(const LanguagePack&) = delete;
    LanguagePack& operator=(const LanguagePack&) = delete;

    // Registers the pack and installs its translations. False when the
    // file is missing or not a resource file.
    bool Load(const QString& rccPath);
    void Unload();

  private:
    QString path_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

// The pack <language>.rcc in `dir`, its name compared ignoring letter case
// as on the file systems the packs were made for (Language=chinese finds
// Chinese.rcc). The exact name when no file matches.
QString LanguagePackPath(const QString& dir, const QString& language);

// Pictures of the loaded pack; null ones when no pack is loaded.
QIcon PackIcon(int id);      // 128 program icon, 131 close button
QPixmap PackBitmap(int id);  // 137 workspace tile
QCursor PackCursor(int id);  // 132 resize cursor
QIcon PackToolIcon(
    const char* name);  // toolbar buttons: new, open, save, read, write, print, about
QString PackPath(const QString& name);  // ":/pack/<name>"

}  // namespace qm530::app
