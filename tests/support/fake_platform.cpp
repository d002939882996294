#include "support/fake_platform.h"

#include "core/file_names.h"
#include "core/form.h"

namespace zorvik::test {

namespace {

// Splits at backslashes, dropping empty parts and "." and resolving "..".
std::vector<std::string> Parts(const std::string& full) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= full.size()) {
    size_t end = full.find('\\', start);
    if (end == std::string::npos) end = full.size();
    const std::string part = full.substr(start, end - start);
    if (part == "..") {
      if (out.size() > 1) out.pop_back();
    } else if (!part.empty() && part != ".") {
      out.push_back(part);
    }
    start = end + 1;
  }
  return out;
}

std::string Join(const std::vector<std::string>& parts, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) {
    out += parts[i];
    if (i + 1 < count || count == 1) out += '\\';
  }
  return out;
}

}  // namespace

FakePlatform::FakePlatform() {
  AddFolder(windowsFolder);
  AddFolder(currentFolder);
}

std::string FakePlatform::Full(const std::string& path) const {
  const bool drive = path.size() >= 2 && path[1] == ':';
  const std::string joined = drive ? path : JoinPath(currentFolder, path);
  const std::vector<std::string> parts = Parts(joined);
  return Join(parts, parts.size());
}

FakePlatform::Entry* FakePlatform::Lookup(const std::string& path) const {
  const std::string full = Full(path);
  for (Entry& e : entries_)
    if (SameName(e.path, full)) return &e;
  return nullptr;
}

FakePlatform& FakePlatform::AddFolder(const std::string& path) {
  const std::vector<std::string> parts = Parts(Full(path));
  for (size_t n = 1; n <= parts.size(); ++n) {
    const std::string p = Join(parts, n);
    if (!Lookup(p)) entries_.push_back({p, true, "", {2003, 1, 1}});
  }
  return *this;
}

FakePlatform& FakePlatform::AddFile(const std::string& path, const std::string& bytes,
                                    LocalDate lastWrite) {
  const std::vector<std::string> parts = Parts(Full(path));
  if (parts.size() > 1) AddFolder(Join(parts, parts.size() - 1));
  Entry* e = Lookup(path);
  if (!e) e = &entries_.emplace_back(Entry{Full(path), false, "", {}});
  e->bytes = bytes;
  e->lastWrite = lastWrite;
  return *this;
}

FakePlatform& FakePlatform::SetReadOnly(const std::string& folder) {
  readOnly_.push_back(Full(folder));
  return *this;
}

bool FakePlatform::Writable(const std::string& full) const {
  const std::u32string key = FoldCase(full);
  for (const std::string& ro : readOnly_) {
    const std::u32string prefix = FoldCase(ro.back() == '\\' ? ro : ro + '\\');
    if (key == FoldCase(ro) || key.starts_with(prefix)) return false;
  }
  return true;
}

bool FakePlatform::CreateFolder(const std::string& path) {
  const std::vector<std::string> parts = Parts(Full(path));
  if (parts.size() < 2 || Lookup(path) || !Writable(Full(path))) return false;
  const Entry* parent = Lookup(Join(parts, parts.size() - 1));
  if (!parent || !parent->folder) return false;
  entries_.push_back({Full(path), true, "", {2006, 1, 1}});
  return true;
}

std::optional<std::string> FakePlatform::ReadFile(const std::string& path, size_t largest) {
  Log("ReadFile " + path);
  const Entry* e = Lookup(path);
  if (!e || e->folder || failReads || e->bytes.size() > largest) return std::nullopt;
  return e->bytes;
}

bool FakePlatform::WriteFileAtomic(const std::string& path, std::string_view bytes) {
  Log("WriteFile " + path);
  const std::vector<std::string> parts = Parts(Full(path));
  const Entry* parent = parts.size() > 1 ? Lookup(Join(parts, parts.size() - 1)) : nullptr;
  if (!parent || !parent->folder || !Writable(Full(path)) || failWrites) return false;
  AddFile(path, std::string(bytes), {2006, 1, 1});
  return true;
}

std::optional<FindRecord> FakePlatform::FindFirst(const std::string& pattern) {
  Log("FindFirst " + pattern);
  const std::vector<std::string> parts = Parts(Full(pattern));
  if (parts.size() < 2) return std::nullopt;
  const std::string folder = Join(parts, parts.size() - 1);
  for (const Entry& e : entries_) {
    const std::vector<std::string> ep = Parts(e.path);
    if (ep.size() != parts.size() || !SameName(Join(ep, ep.size() - 1), folder)) continue;
    if (MatchesPattern(parts.back(), ep.back())) return FindRecord{ep.back(), e.lastWrite};
  }
  return std::nullopt;
}

std::optional<FolderListing> FakePlatform::ListFolder(const std::string& folder) {
  Log("ListFolder " + folder);
  const std::string full = Full(folder);
  const Entry* e = Lookup(full);
  if (!listsFolders || !e || !e->folder) return std::nullopt;
  const size_t depth = Parts(full).size();
  FolderListing out{full, {}};
  for (const Entry& entry : entries_) {
    const std::vector<std::string> ep = Parts(entry.path);
    if (ep.size() == depth + 1 && SameName(Join(ep, depth), full)) {
      out.entries.push_back({ep.back(), "", entry.folder, entry.lastWrite});
    }
  }
  return out;
}

FileDialogResult FakePlatform::OpenFileDialog(const std::string& filter,
                                              const std::string& initialFolder) {
  dialogs.push_back({filter, initialFolder});
  if (dialogAnswers.empty()) return {};
  FileDialogResult r = dialogAnswers.front();
  dialogAnswers.pop_front();
  return r;
}

void FakePlatform::ShowModal(Form& form) {
  modal.push_back(form.Name());
  if (onModal) onModal(form);
}

Picture FakePlatform::LoadPicture(const std::string& path, Twips boxWidth, Twips boxHeight,
                                  std::string& error) {
  pictureBoxes.emplace_back(boxWidth, boxHeight);
  const Entry* e = Lookup(path);
  if (!e || e->folder) {
    error = "the file can't be opened";
    return {};
  }
  const bool bitmap = e->bytes.starts_with("BM");
  const bool jpeg = e->bytes.starts_with("\xFF\xD8");
  if (!bitmap && !jpeg) {
    error = "it is not a bitmap or JPEG picture";
    return {};
  }
  return Picture{Full(path), 0, 0, {}};
}

}  // namespace zorvik::test
