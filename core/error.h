// The program's error: raised where a fault occurs, shown by the window in a message box.
#pragma once

#include <QString>

#include <exception>
#include <string>

namespace hx {

class Error : public std::exception {
  public:
    explicit Error(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

  private:
    QString message_;
    std::string utf8_;
};

}  // namespace hx
