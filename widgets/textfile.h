// Whole-file text reading and writing. File names are the bytes the file
// system takes, passed on exactly as given.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class QCryptographicHash;
class QFile;
class EFileError;

// The SHA-1 of a file's bytes (20 bytes), taken as a save writes them.
using TFileHash = std::string;

// Every line break (CR LF, lone CR, lone LF) becomes CR LF, a last line without
// a break gains one, and a NUL byte ends the text.
std::string NormaliseLineBreaks(std::string Text);

// The file's text with its line breaks normalised. Raises EFileError (Open)
// when the file cannot be opened, and (Read) when reading it fails after that.
std::string LoadTextFile(const std::string& FileName);

// Replaces the file with exactly the bytes of Text. The bytes go to a temporary
// file beside the target, which is renamed over it once complete, so a failure
// leaves the old file as it was. The new file keeps the old one's permission
// bits, and its owner and group where the process may set them. Raises
// EFileError (Create) when the file cannot be created and EFileError (Write)
// when writing, flushing or syncing fails. With Hash, the hash of the bytes
// goes there once the file is in place.
void SaveTextFile(const std::string& FileName, std::string_view Text, TFileHash* Hash = nullptr);

// SaveTextFile in pieces, for text too large to build whole first: Write as
// often as needed, then Commit. A writer left without Commit (destroyed, or
// after an error) leaves the old file as it was and no temporary behind.
// Raises the same errors as SaveTextFile.
class TTextFileWriter {
 public:
  explicit TTextFileWriter(const std::string& FileName, TFileHash* Hash = nullptr);
  ~TTextFileWriter();
  TTextFileWriter(const TTextFileWriter&) = delete;
  TTextFileWriter& operator=(const TTextFileWriter&) = delete;

  void Write(std::string_view Text);
  void Commit();

 private:
  // Closes and removes the temporary file; the old file stays as it was.
  void Abandon();
  // Abandons the write, for the error that tells of Why (or of the file's
  // own error).
  EFileError Failed(const std::string& Why = {});

  std::unique_ptr<QFile> File_;  // the temporary file
  std::string FileName_;
  std::string Target_;     // FileName, or the file its links lead to
  std::string Temporary_;  // beside Target_; empty once renamed or removed
  std::unique_ptr<QCryptographicHash> Hashing_;
  TFileHash* Hash_;
};
