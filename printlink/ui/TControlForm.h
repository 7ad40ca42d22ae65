#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class QTableWidget;
class TAboutForm;

// The control window: the job status grid the listener writes, "About", "Hide" and the maker's web
// address. Closing it only hides it.
class TControlForm final : public QWidget
{
    Q_OBJECT

public:
    // The application title: the window's caption until the listener changes it.
    static constexpr QStringView kTitle = u"Orvane Pressling";
    static constexpr int kRowCount = 20;
    // Opens a web address; false when no browser could be started.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit TControlForm(TAboutForm& about, QWidget* parent = nullptr);

    void SetStatusRow(int row, const QString& text);
    QString StatusRow(int row) const;
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

private:
    void OpenWebAddress();

    TAboutForm& m_about;
    QTableWidget* m_grid;
    UrlOpener m_openUrl;
};
