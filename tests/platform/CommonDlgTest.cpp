#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/CommonDlg.h"

using namespace platform;

TEST(CommonDlg, OkKeepsThePathAndTheNextShowStartsThere) {
    std::vector<DialogRequest> seen;
    std::optional<QString> answer = QString("/tmp/x/a.jpg");
    setDialogHook([&](const DialogRequest& r) {
        seen.push_back(r);
        return answer;
    });
    CommonDlg dlg;
    dlg.kind = DialogKind::Save;
    dlg.filter = "JPG图片(*.jpg)|*.jpg|BMP图片(*.bmp)|*.bmp|";
    dlg.defaultSuffix = "jpg";
    EXPECT_TRUE(dlg.show(nullptr));
    EXPECT_EQ(dlg.fileName, "/tmp/x/a.jpg");

    answer.reset();  // Cancel
    EXPECT_FALSE(dlg.show(nullptr));
    EXPECT_EQ(dlg.fileName, "/tmp/x/a.jpg") << "Cancel leaves the name";
    setDialogHook(nullptr);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, DialogKind::Save);
    EXPECT_EQ(seen[0].nameFilters, (QStringList{"JPG图片(*.jpg)", "BMP图片(*.bmp)"}));
    EXPECT_EQ(seen[0].defaultSuffix, "jpg");
    EXPECT_EQ(seen[0].startPath, "");
    EXPECT_EQ(seen[1].startPath, "/tmp/x/a.jpg");
}

TEST(CommonDlg, ShowsQtsOwnOpenDialogListingEveryFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("photo.any");
    QFile(file).open(QIODevice::WriteOnly);

    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* fd = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(fd, nullptr);
        EXPECT_TRUE(fd->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(fd->fileMode(), QFileDialog::ExistingFile);
        filters = fd->nameFilters();
        fd->selectFile(file);
        QMetaObject::invokeMethod(fd, "accept");
    });
    CommonDlg dlg;
    EXPECT_TRUE(dlg.show(nullptr));
    EXPECT_EQ(dlg.fileName, file);
    EXPECT_EQ(filters.size(), 1);
    EXPECT_TRUE(filters.value(0).contains("(*)")) << filters.value(0).toStdString();
}

TEST(CommonDlg, ASaveDialogNameTakesTheExtensionOfTheFilterChosen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        int filter;
        const char* typed;
        const char* expected;
    };
    for (const Case c : {Case{0, "a", "a.jpg"}, Case{1, "b", "b.bmp"}, Case{1, "c.png", "c.png"}}) {
        SCOPED_TRACE(c.typed);
        QTimer::singleShot(0, [&] {
            auto* fd = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(fd, nullptr);
            EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptSave);
            auto* combo = fd->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(combo, nullptr);
            EXPECT_EQ(combo->count(), 2);
            for (int i = 0; i < c.filter; ++i) QTest::keyClick(combo, Qt::Key_Down);  // as a user picks it
            fd->setDirectory(dir.path());
            auto* name = fd->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            QMetaObject::invokeMethod(fd, "accept");
        });
        CommonDlg dlg;
        dlg.kind = DialogKind::Save;
        dlg.filter = QString::fromUtf8("JPG图片(*.jpg)|*.jpg|BMP图片(*.bmp)|*.bmp|");
        dlg.defaultSuffix = "jpg";
        EXPECT_TRUE(dlg.show(nullptr));
        EXPECT_EQ(dlg.fileName, dir.filePath(c.expected));
    }
}

TEST(CommonDlg, SuffixOfANameFilter) {
    EXPECT_EQ(suffixOfNameFilter(QString::fromUtf8("BMP图片(*.bmp)")), "bmp");
    EXPECT_EQ(suffixOfNameFilter("Pictures (*.jpg *.bmp)"), "");
    EXPECT_EQ(suffixOfNameFilter("All (*)"), "");
    EXPECT_EQ(suffixOfNameFilter("odd"), "");
}
