#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
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
