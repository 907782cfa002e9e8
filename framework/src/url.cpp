// URLs go to the desktop's handler unless a test has put its own in place.
#include <framework/url.h>

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace fw {

namespace {

std::function<void(const std::string&)>& urlHandler()
{
    static std::function<void(const std::string&)> handler;
    return handler;
}

} // namespace

void ShowURL(std::string_view url)
{
    if (urlHandler()) {
        urlHandler()(std::string(url));
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))));
}

void setUrlHandler(std::function<void(const std::string&)> handler)
{
    urlHandler() = std::move(handler);
}

} // namespace fw
