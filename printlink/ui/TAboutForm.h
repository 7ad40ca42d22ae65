#pragma once

#include <QDialog>
#include <QStringView>

// "About Orvane Pressling": the product, the component, the version and the maker's web address.
class TAboutForm final : public QDialog
{
    Q_OBJECT

public:
    static constexpr QStringView kWebAddress = u"www.orvane.example";

    explicit TAboutForm(QWidget* parent = nullptr);
};
