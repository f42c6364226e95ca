#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "input/InputWindowDef.h"
#include "platform/LiveWindow.h"
#include "platform/Services.h"

using platform::LiveWindow;

namespace {

const char* kindOf(QObject* o) {
    if (qobject_cast<QLineEdit*>(o)) return "EditBox";
    if (qobject_cast<QPushButton*>(o)) return "Button";
    if (qobject_cast<QCheckBox*>(o)) return "CheckBox";
    if (qobject_cast<QGroupBox*>(o)) return "GroupBox";
    if (qobject_cast<QLabel*>(o)) return "Label";
    return "?";
}

class InputWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::loadWindow(input::inputWindowDef(), platform::Modality::Modeless));
        window = platform::liveWindow("InputWindow");
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override {
        if (window) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull()) << "closing destroys the window";
    }
    template <class T>
    T* get(const char* name) const { return window->controlAs<T>(name); }
    QString focused() const {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString("(none)");
    }

    QPointer<LiveWindow> window;
};

// Types text key by key, as a keyboard or an input method delivers it.
void typeInto(QWidget* w, const QString& text) {
    for (const QChar ch : text) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

}  // namespace

TEST_F(InputWindowTest, EveryControlStandsWhereTheTableSays) {
    struct Row {
        const char* name;
        const char* kind;
        int x, y, w, h;  // in the window's client coordinates
        const char* text;
        int limit;  // edit boxes: 0 for no limit of ours
    };
    const Row rows[] = {
        {"编辑框2", "EditBox", 55, 77, 73, 22, "", 0},
        {"编辑框1", "EditBox", 56, 44, 375, 22, "", 0},
        {"编辑框5", "EditBox", 376, 81, 56, 22, "", 0},
        {"编辑框4", "EditBox", 280, 80, 48, 22, "", 5},
        {"编辑框3", "EditBox", 176, 79, 56, 22, "", 0},
        {"标签4", "Label", 138, 78, 32, 24, "销量：", 0},
        {"标签3", "Label", 242, 80, 32, 24, "交易：", 0},
        {"标签2", "Label", 20, 78, 32, 24, "价格：", 0},
        {"分组框1", "GroupBox", 6, 3, 456, 189, "", 0},
        // Children of the group box, moved by its place 6,3.
        {"按钮2", "Button", 8, 144, 448, 32, "马上生成！", 0},
        {"按钮1", "Button", 182, 114, 120, 24, "加载图片", 0},
        {"标签8", "Label", 144, 118, 32, 16, "图片：", 0},
        {"编辑框6", "EditBox", 56, 111, 72, 24, "", 5},
        {"标签7", "Label", 21, 113, 32, 24, "库存：", 0},
        {"标签6", "Label", 337, 85, 34, 16, "评价：", 0},
        {"选择框2", "CheckBox", 80, 17, 56, 24, "Velora", 0},
        {"选择框1", "CheckBox", 24, 16, 56, 24, "Sundok", 0},
        {"标签1", "Label", 21, 47, 32, 16, "标题：", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto* w = get<QWidget>(r.name);
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(kindOf(w), r.kind);
        EXPECT_EQ(QRect(w->mapTo(window, QPoint(0, 0)), w->size()), QRect(r.x, r.y, r.w, r.h));
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(edit->text(), "");
            if (r.limit) EXPECT_EQ(edit->maxLength(), r.limit);
            else EXPECT_GE(edit->maxLength(), 30000);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(r.text));
            EXPECT_FALSE(label->wordWrap());
            EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(r.text));
        }
    }
    EXPECT_NE(window->control("通用对话框1"), nullptr);
    EXPECT_EQ(window->size(), QSize(469, 196));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Sundok/Velora - Velora/Sundok Quorrel截图生成工具 - Dovrek"));
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(InputWindowTest, FooterSitsInAGapOfTheGroupsBottomLine) {
    auto* footer = get<QLabel>("标签5");
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->text(), QString::fromUtf8("Dovrek 出品"));
    const QRect r(footer->mapTo(window, QPoint(0, 0)), footer->size());
    const int line = 3 + 189 - 1;
    EXPECT_TRUE(QRect(QPoint(0, 0), window->size()).contains(r)) << "wholly inside the client area";
    EXPECT_LE(r.top(), line);
    EXPECT_GE(r.bottom(), line);
    EXPECT_LE(std::abs((r.left() + r.right()) / 2 - (6 + 456 / 2)), 1) << "centred on the group box";
    EXPECT_TRUE(footer->autoFillBackground());
    // It lies over the group box, so its face hides the line behind the text.
    EXPECT_EQ(window->childAt(r.center()), footer);
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.pixelColor(r.left() + 1, line), window->palette().color(QPalette::Window));
    EXPECT_EQ(shot.pixelColor(20, line), QColor(123, 158, 189));
}

TEST_F(InputWindowTest, OpensCentredWithSundokTickedAndTheFocusOnMonthlySales) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->pos(), QPoint((screen.width() - 475) / 2, (screen.height() - 221) / 2));
    EXPECT_TRUE(get<QCheckBox>("选择框1")->isChecked());
    EXPECT_FALSE(get<QCheckBox>("选择框2")->isChecked());
    EXPECT_EQ(focused(), "编辑框3");
}

TEST_F(InputWindowTest, TabWalksTheFocusOrderBothWaysAndWraps) {
    const QStringList order{"编辑框3", "编辑框4", "编辑框5", "选择框1", "选择框2",
                            "编辑框1", "编辑框2", "编辑框6", "按钮1", "按钮2"};
    QStringList forward{focused()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focused();
    }
    EXPECT_EQ(forward, order + QStringList{"编辑框3"});

    QStringList backward{focused()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward << focused();
    }
    QStringList reversed{"编辑框3"};
    for (auto it = order.rbegin(); it != order.rend(); ++it) reversed << *it;
    EXPECT_EQ(backward, reversed);
}

TEST_F(InputWindowTest, StockAndTransactionsTakeFiveCharactersTheOthersAnyLength) {
    const QString longText = QString::fromUtf8("很长的商品标题 Long title ").repeated(20);
    for (const char* name : {"编辑框1", "编辑框2", "编辑框3", "编辑框4", "编辑框5", "编辑框6"}) {
        SCOPED_TRACE(name);
        auto* edit = get<QLineEdit>(name);
        edit->setFocus();
        typeInto(edit, longText);
        const bool limited = QString(name) == "编辑框4" || QString(name) == "编辑框6";
        EXPECT_EQ(edit->text(), limited ? longText.left(5) : longText);
        EXPECT_EQ(platform::readText("InputWindow", name), edit->text());
    }
    auto* stock = get<QLineEdit>("编辑框6");
    stock->clear();
    QTest::keyClicks(stock, "123456");
    EXPECT_EQ(stock->text(), "12345") << "the sixth character is refused";
    auto* transactions = get<QLineEdit>("编辑框4");
    transactions->clear();
    typeInto(transactions, QString::fromUtf8("一二三四五六"));
    EXPECT_EQ(transactions->text(), QString::fromUtf8("一二三四五"));
}

TEST_F(InputWindowTest, EnterPressesNothingAndKeepsTheFocus) {
    int clicks = 0;
    for (const char* b : {"按钮1", "按钮2"})
        QObject::connect(get<QPushButton>(b), &QPushButton::clicked, [&] { ++clicks; });
    for (const char* name : {"编辑框3", "选择框1", "选择框2", "按钮1", "按钮2", "编辑框1"}) {
        get<QWidget>(name)->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(focused(), name);
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(get<QCheckBox>("选择框1")->isChecked());
    EXPECT_FALSE(get<QCheckBox>("选择框2")->isChecked());
}

TEST_F(InputWindowTest, EscClosesTheWindowFromAnyControl) {
    for (const char* name : {"编辑框1", "选择框2", "按钮2"}) {
        if (!window) SetUp();
        SCOPED_TRACE(name);
        get<QWidget>(name)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
    }
}

TEST_F(InputWindowTest, TheBlueSkinDrawsTheStandardControlsOnly) {
    EXPECT_TRUE(qApp->styleSheet().contains("#7b9ebd"));
    const QImage button = get<QPushButton>("按钮2")->grab().toImage();
    EXPECT_EQ(button.pixelColor(button.width() / 2, 0), QColor(123, 158, 189));
    const QImage edit = get<QLineEdit>("编辑框1")->grab().toImage();
    EXPECT_EQ(edit.pixelColor(edit.width() / 2, 0), QColor(123, 158, 189));
    EXPECT_EQ(edit.pixelColor(edit.width() / 2, edit.height() / 2), QColor(Qt::white));
    // A label keeps the window's face: no frame, no fill of the skin's.
    const QImage label = get<QLabel>("标签2")->grab().toImage();
    EXPECT_EQ(label.pixelColor(0, 0), window->palette().color(QPalette::Window));
}
