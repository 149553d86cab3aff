#pragma once

#include <QObject>
#include <QUrl>

namespace tonalink::test {

// Stands in for the desktop's handler of file URLs.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace tonalink::test
