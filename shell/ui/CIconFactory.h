#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;

// The program's icons, painted at run time from simple shapes so they stay sharp at every scale.
// To add one: a value in Kind and a painter in the table of CIconFactory.cpp.
class CIconFactory
{
public:
    enum class Kind
    {
        Program,
        Home,
        ProductList,
        PayeeLists,
        SetupLists,
        InventoryAssets,
        Purchase,
        Sale,
        Calculator,
        Reports,
        Exit,
        Add,
        Edit,
        Delete,
        Confirm,
        Cancel,
        OnHand,
        Customers,
        Vendors,
        Category,
        SaleTax,
        MyCompany,
        Print,
        Help,
        Information,
        Warning
    };

    // The icon at the usual sizes (16 to 96 pixels); cached.
    static QIcon Icon(Kind kind);
    // Paints the icon into a size x size square at the painter's origin, on any device (a pixmap, an
    // image or a vector file), so installed icon files are the very pictures the window shows.
    static void Paint(Kind kind, QPainter& painter, double size);
    // The start picture of the home screen: the program's emblem and name.
    static QPixmap StartPicture(const QSize& size);
};
