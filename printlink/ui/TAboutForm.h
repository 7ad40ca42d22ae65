#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringView>

// "About Orvane Pressling": the product, the component, the version and the maker's web address.
class TAboutForm final : public QDialog
{
    Q_OBJECT

public:
    static constexpr QStringView kWebAddress = u"www.orvane.example";

    explicit TAboutForm(QWidget* parent = nullptr);

    // Places the box centred over the window (its frame), or on that window's screen (the
    // primary one without a window) when the window is not shown.
    void CentreOver(const QWidget* window);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Centre();

    QPointer<const QWidget> m_anchor;
    bool m_centred = false;
};
