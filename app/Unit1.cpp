#include "app/Unit1.h"

#include "app/AppIcon.h"
#include "app/NameGenerator.h"
#include "app/NameStore.h"
#include "platform/Colors.h"
#include "platform/ErrorBox.h"
#include "platform/FlatButton.h"
#include "platform/FlatComboBox.h"
#include "platform/FlatEdit.h"
#include "platform/FlatGroupBox.h"
#include "platform/Fonts.h"
#include "platform/ListView.h"
#include "platform/Shell.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>

namespace {

// The window's client area below the menu bar, and its place on the screen.
constexpr QSize kClientSize(616, 572);
constexpr QPoint kPosition(104, 123);

constexpr int kListColumns = 7;
constexpr int kListColumnWidth = 84;

template <typename Widget> Widget* Place(Widget* w, const char* name, int left, int top, int width, int height) {
    w->setObjectName(QLatin1String(name));
    w->setGeometry(left, top, width, height);
    return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int left, int top, int width) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    // Labels size themselves to their text; the height grows if the face is taller than 13.
    return Place(label, name, left, top, width, std::max(13, label->sizeHint().height()));
}

TFlatComboBox* MakeComboBox(QWidget* parent, const char* name, const char* text, int left, int top, int width) {
    auto* box = Place(new TFlatComboBox(parent), name, left, top, width, 21);
    box->SetColor(clWindow);
    box->SetColorArrowBackground(clInfoBk);
    box->SetItemHeight(13);
    box->SetText(QString::fromUtf8(text));
    return box;
}

TFlatButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left) {
    auto* button = Place(new TFlatButton(parent), name, left, 120, 81, 25);
    button->setText(QString::fromUtf8(caption));
    return button;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tolvane"));
    setWindowIcon(MakeAppIcon());
    QFont font = MakeFont(QStringLiteral("MS Sans Serif"), -11);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(clInfoBk));
    pal.setColor(QPalette::WindowText, ToQColor(clWindowText));
    setPalette(pal);

    CreateComponents();
    CreateMenu();

    // The window is sizeable; it opens with its designed client area and position.
    resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
    move(kPosition);

    FormCreate();
}

TForm1::~TForm1() { ADOQuery1->Close(); }

void TForm1::CreateComponents() {
    ADOConnection1 = new TADOConnection(this);
    ADOConnection1->setObjectName(QStringLiteral("ADOConnection1"));
    ADOQuery1 = new TADOQuery(this);
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    ADOQuery1->SetConnection(ADOConnection1);
    // The stored statement is never run: every press replaces it before opening.
    ADOQuery1->SqlAppend(QStringLiteral("select shuangm from male2;"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    ImageList1 = new TImageList(this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    ImageList1->SetHeight(32);

    ListView1 = Place(new TListView(client), "ListView1", 8, 160, 601, 401);
    ListView1->SetColor(clBtnHighlight);
    ListView1->setFont(MakeFont(QStringLiteral("MS Sans Serif"), -11));
    ListView1->SetFontColor(clBlue);
    ListView1->SetShowColumnHeaders(false);
    ListView1->SetStateImages(ImageList1);

    FlatGroupBox1 = Place(new TFlatGroupBox(client), "FlatGroupBox1", 8, 8, 601, 97);
    FlatGroupBox1->SetColor(clBtnHighlight);
    FlatGroupBox1->SetColorBorder(clMenuBar);
    QWidget* box = FlatGroupBox1;

    Label1 = MakeLabel(box, "Label1", "宝宝姓氏：", 16, 24, 60);
    FlatEdit1 = Place(new TFlatEdit(box), "FlatEdit1", 80, 24, 41, 19);
    FlatEdit1->SetColorFlat(clBtnHighlight);
    FlatEdit1->SetColor(FlatGroupBox1->Color()); // takes its parent's colour
    Label2 = MakeLabel(box, "Label2", "宝宝性别：", 192, 24, 60);
    FlatComboBox1 = MakeComboBox(box, "FlatComboBox1", "男", 256, 24, 41);
    Label3 = MakeLabel(box, "Label3", "名字字数：", 352, 24, 60);
    FlatComboBox2 = MakeComboBox(box, "FlatComboBox2", "三字", 432, 24, 49);
    Label4 = MakeLabel(box, "Label4", "宝宝生日：", 16, 64, 60);
    // The birth-date picker takes its place at (80, 64), 170 x 21, between these two.
    FlatComboBox3 = MakeComboBox(box, "FlatComboBox3", "11", 256, 64, 41);
    Label5 = MakeLabel(box, "Label5", "时", 312, 64, 12);
    Label6 = MakeLabel(box, "Label6", "生辰八字：", 352, 64, 60);

    FlatButton1 = MakeButton(client, "FlatButton1", "开始起名", 8);
    FlatButton2 = MakeButton(client, "FlatButton2", "小名起名", 104);
    FlatButton3 = MakeButton(client, "FlatButton3", "叠字起名", 200);
    FlatButton4 = MakeButton(client, "FlatButton4", "唐诗起名", 296);
    FlatButton5 = MakeButton(client, "FlatButton5", "宋词起名", 392);
    FlatButton6 = MakeButton(client, "FlatButton6", "成语起名", 488);
    for (TFlatButton* b : {FlatButton1, FlatButton2, FlatButton3, FlatButton4, FlatButton5})
        b->SetColorBorder(clActiveBorder);
    // FlatButton6 keeps the flat buttons' own border colour.

    // Tab order: the list, then the group's fields, then the buttons from left to right.
    QWidget::setTabOrder(ListView1, FlatEdit1);
    QWidget::setTabOrder(FlatEdit1, FlatComboBox1);
    QWidget::setTabOrder(FlatComboBox1, FlatComboBox2);
    QWidget::setTabOrder(FlatComboBox2, FlatComboBox3);
    QWidget::setTabOrder(FlatComboBox3, FlatButton1);
    QWidget::setTabOrder(FlatButton1, FlatButton2);
    QWidget::setTabOrder(FlatButton2, FlatButton3);
    QWidget::setTabOrder(FlatButton3, FlatButton4);
    QWidget::setTabOrder(FlatButton4, FlatButton5);
    QWidget::setTabOrder(FlatButton5, FlatButton6);

    const auto connectGuarded = [this](TFlatButton* button, void (TForm1::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { RunGuarded(this, [&] { (this->*handler)(); }); });
    };
    connectGuarded(FlatButton1, &TForm1::FlatButton1Click);
    connectGuarded(FlatButton2, &TForm1::FlatButton2Click);
    connectGuarded(FlatButton3, &TForm1::FlatButton3Click);
    connectGuarded(FlatButton4, &TForm1::FlatButton4Click);
    connectGuarded(FlatButton5, &TForm1::FlatButton5Click);
    connectGuarded(FlatButton6, &TForm1::FlatButton6Click);
}

void TForm1::CreateMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* naming = MainMenu1->addMenu(QStringLiteral("宝宝起名"));
    naming->setObjectName(QStringLiteral("N1Menu"));
    N1 = naming->menuAction(); // opens its submenu, nothing else
    N1->setObjectName(QStringLiteral("N1"));

    const auto addItem = [this](QWidget* menu, const char* name, const char* caption, void (TForm1::*handler)()) {
        auto* action = new QAction(QString::fromUtf8(caption), menu);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, handler] { RunGuarded(this, [&] { (this->*handler)(); }); });
        return action;
    };
    N5 = addItem(naming, "N5", "定字起名", &TForm1::N5Click);
    N6 = addItem(naming, "N6", "五行起名", &TForm1::N6Click);
    N7 = addItem(naming, "N7", "小说姓名生成器", &TForm1::N7Click);
    N2 = addItem(MainMenu1, "N2", "起名知识", &TForm1::N2Click);
    N3 = addItem(MainMenu1, "N3", "育儿知识", &TForm1::N3Click);
    N4 = addItem(MainMenu1, "N4", "藏头诗", &TForm1::N4Click);
}

void TForm1::FormCreate() {
    FlatComboBox1->ClearItems();
    FlatComboBox1->AddItem(QStringLiteral("男"));
    FlatComboBox1->AddItem(QStringLiteral("女"));

    FlatComboBox2->ClearItems();
    FlatComboBox2->AddItem(QStringLiteral("二字"));
    FlatComboBox2->AddItem(QStringLiteral("三字"));

    FlatComboBox3->ClearItems();
    for (int hour = 0; hour < 24; ++hour)
        FlatComboBox3->AddItem(QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));

    ListView1->Items().Clear();
    TListColumns columns = ListView1->Columns();
    columns.Clear();
    for (int i = 0; i < kListColumns; ++i)
        columns.Add();
    for (int i = 0; i < kListColumns; ++i) {
        columns[i].SetCaption(QStringLiteral("id"));
        columns[i].SetWidth(kListColumnWidth);
    }
    ListView1->SetViewStyle(TViewStyle::vsReport);
    ListView1->SetGridLines(true);

    // The name database lies in the folder config beside the executable. Only its place is
    // stored here; it is opened by the first press of the start button.
    const QString exeDir = QCoreApplication::applicationDirPath();
    ADOConnection1->SetConnectionString(QDir(exeDir).filePath(QStringLiteral("config/norvide.dat")));
}

void TForm1::closeEvent(QCloseEvent* event) {
    RunGuarded(this, [this] { FormClose(); });
    event->accept(); // closing the main window still ends the program
}

void TForm1::FormClose() { OpenHomePage(); }

void TForm1::FlatButton1Click() {
    SuggestNames(FlatEdit1->Text(), FlatComboBox1->Text(), FlatComboBox2->Text(), *ADOQuery1, ListView1->Items());
}

void TForm1::OpenHomePage() { ShellOpenUrl(this, QString::fromLatin1(HomePageUrl)); }

void TForm1::FlatButton2Click() { OpenHomePage(); }
void TForm1::FlatButton3Click() { OpenHomePage(); }
void TForm1::FlatButton4Click() { OpenHomePage(); }
void TForm1::FlatButton5Click() { OpenHomePage(); }
void TForm1::FlatButton6Click() { OpenHomePage(); }
void TForm1::N2Click() { OpenHomePage(); }
void TForm1::N3Click() { OpenHomePage(); }
void TForm1::N4Click() { OpenHomePage(); }
void TForm1::N5Click() { OpenHomePage(); }
void TForm1::N6Click() { OpenHomePage(); }
void TForm1::N7Click() { OpenHomePage(); }
