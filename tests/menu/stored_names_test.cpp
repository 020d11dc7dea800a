// The stored-name table: the menu table follows it, and ARCHITECTURE.md shows it as it is.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "menu/options_model.h"
#include "menu/stored_names.h"

using namespace hx;

// OptionsModel reads a role's check mark by its place in the menu table.
TEST(StoredNames, MenuItemsAreInRoleOrderUnderTheirKeys) {
    const auto& items = MenuItems();
    ASSERT_EQ(items.size(), size_t(Option::Count));
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].option, Option(i)) << items[i].name;
        EXPECT_EQ(OptionNamed(QLatin1String(items[i].name)), Option(i)) << items[i].name;
    }
    EXPECT_EQ(OptionNamed("Degrees"), std::nullopt);  // a role name is no stored key
    OptionsModel m;
    m.SetChecked(Option::ShortDate, true);
    EXPECT_TRUE(m.Checked("Short1"));
    EXPECT_FALSE(m.Checked(Option::LongDate));
}

TEST(StoredNames, ArchitectureTableMatchesTheCode) {
    QFile doc(qEnvironmentVariable("HELIODEX_SOURCE_DIR") + "/ARCHITECTURE.md");
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(doc.readAll());
    const qsizetype start = text.indexOf("| stored name | in | role |");
    ASSERT_GE(start, 0);
    QStringList documented;
    for (const QString& line : text.mid(start).split('\n').mid(2)) {
        if (!line.startsWith('|')) break;
        documented << line.trimmed();
    }
    QStringList code;
    for (const StoredNameRow& r : StoredNameTable())
        code << QStringLiteral("| `%1` | %2 | `%3` |").arg(r.stored, r.place, r.role);
    EXPECT_EQ(documented, code);
}
