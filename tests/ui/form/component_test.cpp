#include "form_fixture.h"
#include "ui/form/form_ids.h"

#include <QDir>
#include <QFile>

using namespace tonalink;
using namespace tonalink::test;
namespace id = tonalink::form_id;

// The test's run path holds a pager-type editor that adds a type and a phone-book
// editor library without its entry point; no phone-book program is on the path.
class ComponentTest : public FormTest {
protected:
    void configure() override {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TONALINK_SAMPLE_DATA_DIR "/call.dat"),
                                logDir.filePath("call.dat")));
        pagerTypes = PagerTypeCatalog(logDir.path().toStdString());
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(logDir.path());
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
    }
    void TearDown() override {
        qputenv("PATH", m_oldPath);
        QDir::setCurrent(m_oldDir);
        FormTest::TearDown();
    }
    QString m_oldDir;
    QByteArray m_oldPath;
};

TEST_F(ComponentTest, EditorsAreFoundByFileNameAndTheTypeListIsReloadedAfterTheTypeEditor) {
    typeKeys(control(id::kCallNumber), "0201112222");
    view->SetCalleeCaption(utf8("TO 山田 太郎"));
    const auto types = [this] {
        QStringList names;
        auto* box = control<QComboBox>(id::kPagerType);
        for (int i = 0; i < box->count(); ++i) {
            names << box->itemText(i);
        }
        return names;
    };
    const QStringList before = types();

    view->OnPhoneBookSettings();
    settings.PbEditExe = 1;
    view->OnPhoneBookSettings();
    EXPECT_EQ(messageBoxes().shown,
              std::vector<ShownMessage>(
                  {{"DLL ERROR !!", MsgIcon::None},
                   {utf8("PBEDIT.EXE が見つかりませんでした。"), MsgIcon::Exclamation}}));
    EXPECT_EQ(text(id::kCallNumber), "0201112222");
    EXPECT_EQ(types(), before);

    view->OnPagerTypeSettings();
    EXPECT_EQ(types(), QStringList{"Added"} + before); // the list is sorted
    EXPECT_EQ(text(id::kCallNumber), "");
    EXPECT_EQ(text(id::kCalleeCaption), "");
    EXPECT_TRUE(enabled(id::kPagerType));
    EXPECT_EQ(messageBoxes().shown.size(), 2u);
}
