#include "caldav/qt/KeyringPassword.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

namespace tp {

namespace {

const QString kService = QStringLiteral("Turnoplaner Kalender-Abgleich");

// Runs `job` to its end; whether a keyring answered at all.
bool runJob(QKeychain::Job& job) {
    job.setAutoDelete(false);
    job.setInsecureFallback(false); // never a plain file instead of the keyring
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QKeychain::Error error = job.error();
    return error == QKeychain::NoError || error == QKeychain::EntryNotFound;
}

} // namespace

std::optional<std::string> DesktopKeyring::read(const std::string& account) {
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(QString::fromStdString(account));
    available_ = runJob(job);
    if (job.error() != QKeychain::NoError)
        return std::nullopt;
    return job.textData().toStdString();
}

bool DesktopKeyring::write(const std::string& account, const std::string& password) {
    QKeychain::WritePasswordJob job(kService);
    job.setKey(QString::fromStdString(account));
    job.setTextData(QString::fromStdString(password));
    available_ = runJob(job);
    return available_ && job.error() == QKeychain::NoError;
}

} // namespace tp
