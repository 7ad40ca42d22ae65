#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QTableWidget;
class TAboutForm;

// The control window: the job status grid the listener writes, "About", "Hide" and the maker's web
// address. Closing it only hides it. A row whose slot holds a failed job offers "Print again" in
// its context menu (right click, or the menu key on the current row).
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
    // Whether row's slot holds a failed job that "Print again" may print; a row that comes to
    // hold one becomes the current row unless the current one holds one already.
    void SetFailedJobHeld(int row, bool held);
    // Opens row's context menu (as a right click on it does).
    void ShowRowMenu(int row);
    QMenu* RowMenu() const { return m_rowMenu; }
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

signals:
    void PrintAgainRequested(int row);

private:
    void OpenWebAddress();

    TAboutForm& m_about;
    QTableWidget* m_grid;
    UrlOpener m_openUrl;
    QMenu* m_rowMenu;
    QAction* m_printAgain;
    int m_menuRow = -1;
    std::array<bool, kRowCount> m_failedJobHeld{};
};
