// heliodex-cli: the almanac's computations for scripts and terminals.
#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

#include "cli/run.h"
#include "core/ephemeris.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("heliodex");
    hx::eph::SetEphePath(QCoreApplication::applicationDirPath());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const hx::cli::Outcome o =
        hx::cli::Run(args, hx::ReadingAt(QDateTime::currentDateTimeUtc(), 0));
    std::fputs(o.out.toUtf8().constData(), stdout);
    std::fputs(o.err.toUtf8().constData(), stderr);
    hx::eph::Close();
    return o.status;
}
