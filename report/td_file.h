// td.txt: the report's header lines, written on every report and read back for the clipboard.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace hx {

class TdFile {
  public:
    explicit TdFile(QString path) : path_(std::move(path)) {}

    // Writes the lines. Returns the error text to show when the write fails and no failure
    // has been shown since the last successful write; nullopt otherwise.
    std::optional<QString> Write(const QStringList& headerLines);

    // The lines as stored, each ended by LF as Linux programs expect on the clipboard (the
    // file itself keeps CR LF); empty when unreadable.
    QString ReadForClipboard() const;

    const QString& path() const { return path_; }

  private:
    QString path_;
    bool failureShown_ = false;
};

}  // namespace hx
