// The one rule by which text crosses between the core and Qt: 8-bit record fields are Latin-1
// both ways, the program's own text and paths the system's encoding both ways.

#include "ui/QtText.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(QtTextTest, FieldsAreLatin1AndProgramTextIsTheSystemsEncodingBothWays)
{
    const QString hoehle = QString::fromUtf8("H\u00F6hle");
    EXPECT_EQ(QtText::fromField("H\xF6hle"), hoehle);
    EXPECT_EQ(QtText::toField(hoehle), "H\xF6hle");
    // A field cannot hold what Latin-1 has no letter for.
    EXPECT_EQ(QtText::toField(QString::fromUtf8("\u20AC5")), "?5");

    EXPECT_EQ(QtText::fromSystem("H\u00F6hle"), hoehle);
    EXPECT_EQ(QtText::toSystem(hoehle), "H\u00F6hle");
    const std::filesystem::path path = "/maps/Gr\u00FCne H\u00F6hle.vwd";
    EXPECT_EQ(QtText::fromPath(path), QString::fromUtf8("/maps/Gr\u00FCne H\u00F6hle.vwd"));
    EXPECT_EQ(QtText::toPath(QtText::fromPath(path)), path);
}

} // namespace
} // namespace gr2
