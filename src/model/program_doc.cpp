#include "model/program_doc.h"

#include <sys/stat.h>
#include <unistd.h>

#include "model/dat_file.h"
#include "model/file_lock.h"

namespace qm530 {

bool CProgramDoc::OnNewDocument(const std::string& untitledName, UiLanguage lang) {
    pathName_.clear();
    Image = RadioImage::Default();
    ImageIsDefault = true;
    title_ = kChannelInformation.In(lang);
    untitledName_ = untitledName;
    return true;
}

Status CProgramDoc::OnOpenDocument(const std::string& path) {
    Result<DatFile> loaded = ReadDatFile(path);
    if (!loaded) return loaded.status();
    Image = loaded->image;
    fileSize_ = loaded->size;
    pathName_ = path;
    title_ = FileNameOf(path);
    return Status::Ok();
}

Status CProgramDoc::OnOpenCopy(const std::string& path, std::string title,
                               std::string proposedName) {
    Result<RadioImage> loaded = LoadDatFile(path);
    if (!loaded) return loaded.status();
    Image = *loaded;
    pathName_.clear();
    title_ = std::move(title);
    untitledName_ = std::move(proposedName);
    return Status::Ok();
}

Status CProgramDoc::OnSaveDocument(const std::string& path) {
    // Not while the command-line tool is changing the same file.
    const Result<FileLock> lock = FileLock::Take(path);
    if (!lock) return lock.status();
    Status status = SaveDatFile(path, Image);
    if (!status) return status;
    fileSize_ = kImageSize;
    pathName_ = path;
    title_ = FileNameOf(path);
    return Status::Ok();
}

bool CProgramDoc::CanSaveInPlace() const {
    if (pathName_.empty() || fileSize_ > kImageSize) return false;
    struct stat st {};
    if (::stat(pathName_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return ::access(pathName_.c_str(), W_OK) == 0;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace qm530
