#pragma once

#include <cstdint>
#include <string>

#include "model/language.h"
#include "model/radio_image.h"
#include "model/status.h"

namespace qm530 {

// The channel window's name: a new document's title and the navigation item
// that shows the window again.
inline constexpr Bilingual kChannelInformation{"Channel Information", "信道信息"};

// A document: one radio memory image with its title and path name, and
// whether it differs from what was last saved or opened (its view decides).
class CProgramDoc {
  public:
    RadioImage Image = RadioImage::Blank();
    // The image is a new document's defaults: no file has been opened into
    // it and no read has completed. It decides which way the model and band
    // are synchronised.
    bool ImageIsDefault = false;

    const std::string& Title() const { return title_; }
    // The file Save writes to; empty while the document is untitled, as a
    // new document is until it is first saved under a name the user chose.
    const std::string& PathName() const { return pathName_; }
    // The name Save As proposes: the path name, or for an untitled document
    // AppName of section Setup.
    const std::string& ProposedName() const {
        return pathName_.empty() ? untitledName_ : pathName_;
    }
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified) { modified_ = modified; }

    // The default image, the title "Channel Information" / "信道信息", no
    // path name (untitled) and `untitledName` (AppName of section Setup) as
    // the name the first Save proposes; ImageIsDefault is set.
    bool OnNewDocument(const std::string& untitledName, UiLanguage lang);
    // Loads a .dat file; on success the path name is the file and the title
    // its file name. On failure nothing changes and the Status says why
    // (OpenFailureSentence).
    Status OnOpenDocument(const std::string& path);
    // Loads a .dat file as a copy: the document stays untitled (Save asks
    // for a name and proposes `proposedName`) and is titled `title`. For a
    // backup, which a Save must not overwrite. Failures as OnOpenDocument.
    Status OnOpenCopy(const std::string& path, std::string title, std::string proposedName);
    // Saves the image atomically; on success the path name and title follow.
    Status OnSaveDocument(const std::string& path);

    // Save writes in place only when the path names an existing regular
    // file that can be written and is no longer than a radio image;
    // otherwise (always for an untitled document) it asks for a name.
    bool CanSaveInPlace() const;
    // How long the file opened was: more than 1024 bytes for a file that
    // is no radio image and is not saved over.
    std::uintmax_t FileSize() const { return fileSize_; }

  private:
    std::string title_;
    std::string pathName_;
    std::string untitledName_;
    bool modified_ = false;
    std::uintmax_t fileSize_ = kImageSize;
};

// The last component of a path.
std::string FileNameOf(const std::string& path);

}  // namespace qm530
