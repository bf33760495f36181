#pragma once
// The main window: the baby's family name, sex, name length, birth date and hour, the start
// button that fills the list with suggested names, and the links to the maker's web page.

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class TADOConnection;
class TADOQuery;
class TFlatButton;
class TFlatComboBox;
class TFlatEdit;
class TFlatGroupBox;
class TImageList;
class TListView;

// The maker's page that every link of the window opens.
inline constexpr const char* HomePageUrl = "https://tolvane.example/naming/?from=desktop";

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Components, in declaration order. The form owns them all.
    TADOConnection* ADOConnection1;
    TADOQuery* ADOQuery1;
    TListView* ListView1;
    TFlatGroupBox* FlatGroupBox1;
    QLabel* Label1;
    TFlatEdit* FlatEdit1;
    TFlatComboBox* FlatComboBox1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    TFlatComboBox* FlatComboBox2;
    TFlatButton* FlatButton1;
    TFlatButton* FlatButton2;
    TFlatButton* FlatButton3;
    TFlatButton* FlatButton4;
    TFlatButton* FlatButton5;
    TFlatComboBox* FlatComboBox3;
    TImageList* ImageList1;
    QMenuBar* MainMenu1;
    QAction* N1;
    QAction* N2;
    QAction* N3;
    QAction* N4;
    QAction* N5;
    QAction* N6;
    QAction* N7;
    TFlatButton* FlatButton6;

    void FormCreate();
    void FormClose();
    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton3Click();
    void FlatButton4Click();
    void FlatButton5Click();
    void FlatButton6Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void N6Click();
    void N7Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void CreateMenu();
    void OpenHomePage();
};
