#pragma once

#include <QObject>

#include <functional>

class CColorEdit;

// Joins a numeric edit to the number pad. Taking the focus does nothing, so Tab passes through
// the field; a click or Enter opens the pad; digits typed into the field are taken when it loses
// the focus, on Enter, or when the dialog asks with Commit. The dialog shows the value it keeps
// afterwards, so a refused number gives way to the kept one.
class CPadField final : public QObject
{
    Q_OBJECT

public:
    // openPad runs the pad; take receives a typed number. Both refresh the field themselves.
    CPadField(CColorEdit* edit, std::function<void()> openPad, std::function<void(double)> take);

    CColorEdit* Edit() const { return m_edit; }
    // Takes the typed text, if the user typed since the field was last shown.
    void Commit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenPad();

    CColorEdit* m_edit;
    std::function<void()> m_openPad;
    std::function<void(double)> m_take;
};
