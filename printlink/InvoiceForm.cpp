#include "InvoiceForm.h"

#include <array>

namespace InvoiceForm {
namespace {

constexpr FormFont kSmall{FormFace::Serif, 8, false};
constexpr FormFont kSmallBold{FormFace::Serif, 8, true};
constexpr FormFont kTitle{FormFace::SansSerif, 16, true};

constexpr std::array kShapes{
    FormShape{u"Shape1", {287, 39, 65, 16}},    FormShape{u"Shape3", {351, 39, 65, 16}},
    FormShape{u"Shape2", {287, 54, 65, 16}},    FormShape{u"Shape4", {351, 54, 65, 16}},
    FormShape{u"Shape5", {24, 112, 180, 17}},   FormShape{u"Shape6", {24, 128, 180, 70}},
    FormShape{u"Shape7", {24, 226, 65, 16}},    FormShape{u"Shape8", {88, 226, 183, 16}},
    FormShape{u"Shape9", {270, 226, 49, 16}},   FormShape{u"Shape10", {318, 226, 65, 16}},
    FormShape{u"Shape18", {382, 226, 41, 16}},  FormShape{u"Shape11", {24, 242, 65, 265}},
    FormShape{u"Shape12", {88, 242, 183, 265}}, FormShape{u"Shape13", {270, 242, 49, 265}},
    FormShape{u"Shape14", {318, 242, 65, 265}}, FormShape{u"Shape17", {382, 242, 41, 265}},
    FormShape{u"Shape15", {24, 507, 259, 17}},  FormShape{u"Shape16", {280, 507, 143, 17}},
};

constexpr LabelPlacement kLeft = LabelPlacement::Left;
constexpr LabelPlacement kRight = LabelPlacement::Right;

constexpr std::array kLabels{
    FormLabel{u"TITLE", {310, 16, 106, 20}, u"Invoice", kTitle, kRight},
    FormLabel{u"SHIPTO", {19, 11, 29, 10}, u"BILL TO", kSmall, kLeft},
    FormLabel{u"CompanyName", {18, 26, 193, 10}, u"CompanyName", kSmallBold, kLeft},
    FormLabel{u"CompanyAddress", {18, 39, 193, 10}, u"CompanyAddress", kSmallBold, kLeft},
    FormLabel{u"CompanyCityZipCode", {18, 53, 193, 12}, u"CompanyCityZipCode", kSmallBold, kLeft},
    FormLabel{u"CompanyNotes", {17, 69, 194, 34}, u"", kSmallBold, LabelPlacement::WordWrap},
    FormLabel{u"Label6", {306, 42, 22, 10}, u"DATE", kSmall, kLeft},
    FormLabel{u"INVNUM", {356, 42, 56, 10}, u"Invoice Number", kSmall, kLeft},
    FormLabel{u"InvoiceDate", {292, 58, 55, 10}, u"InvoiceDate", kSmall, kLeft},
    FormLabel{u"InvoiceNumber", {355, 58, 55, 10}, u"InvoiceNumber", kSmall, kLeft},
    FormLabel{u"BILLTO", {47, 116, 29, 10}, u"BILL TO", kSmall, kLeft},
    FormLabel{u"CustomerName", {30, 132, 170, 10}, u"CustomerName", kSmallBold, kLeft},
    FormLabel{u"CustomerAddress", {30, 144, 170, 10}, u"CustomerAddress", kSmallBold, kLeft},
    FormLabel{u"CustomerCityZipCode", {30, 156, 170, 10}, u"CustomerCityZipCode", kSmallBold, kLeft},
    FormLabel{u"CustomerNote", {30, 168, 170, 25}, u"", kSmallBold, kLeft},
    FormLabel{u"Label3", {35, 230, 43, 10}, u"QUANTITY", kSmall, kLeft},
    FormLabel{u"Label4", {107, 230, 53, 10}, u"DESCRIPTION", kSmall, kLeft},
    FormLabel{u"Label5", {284, 230, 23, 10}, u"PRICE", kSmall, kLeft},
    FormLabel{u"Label9", {334, 230, 37, 10}, u"AMOUNT", kSmall, kLeft},
    FormLabel{u"Label8", {390, 230, 18, 10}, u"TAX", kSmall, kLeft},
    FormLabel{u"QUANTITY", {33, 247, 43, 10}, u"QUANTITY", kSmall, kLeft},
    FormLabel{u"DESCRIPTION", {92, 247, 53, 10}, u"DESCRIPTION", kSmall, kLeft},
    FormLabel{u"PRICE", {288, 247, 23, 10}, u"PRICE", kSmall, kRight},
    FormLabel{u"AMOUNT", {340, 247, 37, 10}, u"AMOUNT", kSmall, kRight},
    FormLabel{u"TAX", {384, 247, 18, 10}, u"TAX", kSmall, kLeft},
    FormLabel{u"TaxTotalText", {36, 511, 43, 10}, u"TAXTOTAL", kSmall, kLeft},
    FormLabel{u"TAXTOTAL", {226, 511, 43, 10}, u"TAXTOTAL", kSmall, kRight},
    FormLabel{u"Label7", {284, 511, 25, 10}, u"TOTAL", kSmall, kLeft},
    FormLabel{u"TOTAL", {388, 511, 25, 10}, u"TOTAL", kSmall, kRight},
};

} // namespace

std::span<const FormShape> Shapes()
{
    return kShapes;
}

std::span<const FormLabel> Labels()
{
    return kLabels;
}

int LabelIndex(QStringView name)
{
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        if (kLabels[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace InvoiceForm
