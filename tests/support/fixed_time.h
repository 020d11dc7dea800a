// Helpers for tests that need a fixed moment or time zone.
#pragma once

#include <QByteArray>

#include <cstdlib>
#include <ctime>

namespace hx::test {

// Sets TZ for the scope of the object and restores the previous value.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* tz)
        : old_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", tz);
        tzset();
    }
    ~ScopedTimeZone() {
        if (had_)
            qputenv("TZ", old_);
        else
            qunsetenv("TZ");
        tzset();
    }

  private:
    QByteArray old_;
    bool had_;
};

}  // namespace hx::test
