#include "model/program_doc.h"

#include <sys/stat.h>
#include <unistd.h>

namespace qm530 {

bool CProgramDoc::OnNewDocument(const std::string& untitledName, UiLanguage lang) {
    pathName_.clear();
    Image = RadioImage::Default();
    title_ = kChannelInformation.In(lang);
    untitledName_ = untitledName;
    return true;
}

Status CProgramDoc::OnOpenDocument(const std::string& path) {
    RadioImage loaded = Image;
    Status status = LoadDatFile(path, loaded);
    if (!status) return status;
    Image = loaded;
    pathName_ = path;
    title_ = FileNameOf(path);
    return Status::Ok();
}

Status CProgramDoc::OnSaveDocument(const std::string& path) {
    Status status = SaveDatFile(path, Image);
    if (!status) return status;
    pathName_ = path;
    title_ = FileNameOf(path);
    return Status::Ok();
}

bool CProgramDoc::CanSaveInPlace() const {
    if (pathName_.empty()) return false;
    struct stat st {};
    if (::stat(pathName_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return ::access(pathName_.c_str(), W_OK) == 0;
}

OpenFailure DiagnoseOpenFailure(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return OpenFailure::Missing;
    if (!S_ISREG(st.st_mode)) return OpenFailure::NotAFile;
    if (::access(path.c_str(), R_OK) != 0) return OpenFailure::Unreadable;
    if (st.st_size < static_cast<off_t>(kImageSize)) return OpenFailure::TooShort;
    return OpenFailure::Other;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace qm530
