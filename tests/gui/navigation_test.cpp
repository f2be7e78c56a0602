// Moving between the forms: the notice opens from Form1 and closes alone; Form1's exit hides
// Form1 and the notice and leaves Form2; forms are kept, not made again.
#include <QtTest>

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "gui_test_support.h"
#include "result_fixtures.h"

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void noticeOpensAndClosesAlone();
  void form1ExitHidesItAndTheNotice();
  void resultsBringBackForm1Alone();
  void formsAreCreatedOnceAndKept();
  void layoutNamesAndSizes();
};

namespace {

orvane::Form2* StartToForm1(orvane::test::Program& program) {
  program.forms.Title().ShowForm();
  program.forms.Title().Command1->click();
  program.forms.Distribution().ShowForm();
  return program.forms.ConditionsIfCreated();
}

}  // namespace

void NavigationTest::noticeOpensAndClosesAlone() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  orvane::Form2* form2 = StartToForm1(program);
  QVERIFY(form2);
  orvane::Form1& form1 = program.forms.Distribution();
  QVERIFY(!program.forms.NoticeIfCreated());
  form1.Command4->click();
  orvane::Form4* notice = program.forms.NoticeIfCreated();
  QVERIFY(notice && notice->isVisible());
  notice->Command1->click();
  QVERIFY(!notice->isVisible());
  QVERIFY(form1.isVisible());
  QVERIFY(form2->isVisible());
}

void NavigationTest::form1ExitHidesItAndTheNotice() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  orvane::Form2* form2 = StartToForm1(program);
  QVERIFY(form2);
  orvane::Form1& form1 = program.forms.Distribution();
  form1.Command4->click();
  form1.Command2->click();
  QVERIFY(!form1.isVisible());
  QVERIFY(!program.forms.Notice().isVisible());
  QVERIFY(form2->isVisible());
  QCOMPARE(program.endStatus, -1);
  // Form1's exit without the notice ever opened needs no notice.
  orvane::test::Program other;
  StartToForm1(other);
  other.forms.Distribution().Command2->click();
  QVERIFY(!other.forms.NoticeIfCreated());
}

void NavigationTest::formsAreCreatedOnceAndKept() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  orvane::Form2* form2 = StartToForm1(program);
  QVERIFY(form2);
  orvane::Form1* form1 = &program.forms.Distribution();
  form1->TextBox[4]->setText(QStringLiteral("kept"));
  form1->Command2->click();
  program.forms.Distribution().ShowForm();
  QCOMPARE(&program.forms.Distribution(), form1);
  QCOMPARE(form1->TextBox[4]->text(), QStringLiteral("kept"));
  QCOMPARE(program.forms.Conditions(), form2);
  QVERIFY(!program.forms.Title().isVisible());  // the title form never comes back
}

// Form1 left with its exit while the notice was open: "計算結果の表示" shows Form1 again, the
// same form, and the notice stays hidden.
void NavigationTest::resultsBringBackForm1Alone() {
  orvane::test::ResultSession session;
  QVERIFY(session.form2);
  orvane::Form1& form1 = session.Load([](int, int, int) { return 1.0f; });
  QVERIFY(form1.isVisible());
  form1.Command4->click();
  form1.Command2->click();
  QVERIFY(!form1.isVisible());

  session.form2->Command4->click();
  QCOMPARE(&session.program.forms.Distribution(), &form1);
  QVERIFY(form1.isVisible());
  QVERIFY(!session.program.forms.Notice().isVisible());
  QVERIFY(session.form2->isVisible());
}

// The client sizes of the four forms and a few controls found by their layout names.
void NavigationTest::layoutNamesAndSizes() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  StartToForm1(program);
  QCOMPARE(program.forms.Title().size(), QSize(657, 494));
  QCOMPARE(program.forms.Distribution().size(), QSize(1361, 743));
  QCOMPARE(program.forms.Notice().size(), QSize(605, 243));
  QCOMPARE(program.forms.Title().windowTitle(), QStringLiteral("   Orvane"));
  QCOMPARE(program.forms.ConditionsIfCreated()->windowTitle(),
           QStringLiteral("   X-ray spectrum by Tucker's formula"));
  QCOMPARE(program.forms.Distribution().windowTitle(),
           QStringLiteral("   Display the calculated distribution "));
  QCOMPARE(program.forms.Notice().windowTitle(), QString());
  orvane::Form2* form2 = program.forms.ConditionsIfCreated();
  QVERIFY(form2->findChild<QLabel*>(QStringLiteral("Label1_2")));
  QCOMPARE(form2->findChild<QPushButton*>(QStringLiteral("Command6"))->text(),
           QStringLiteral("照射野内分布の計算"));
  QCOMPARE(form2->findChild<QPushButton*>(QStringLiteral("Command6"))->geometry(), QRect(760, 352, 265, 49));
  QCOMPARE(form2->findChild<QWidget*>(QStringLiteral("Picture2"))->toolTip(),
           QStringLiteral("   Wooo  !!   "));
  QCOMPARE(form2->Command1->palette().color(QPalette::Button), QColor(255, 255, 192));
  orvane::Form1& form1 = program.forms.Distribution();
  QCOMPARE(form1.Picture7->findChildren<QLabel*>().size(), 11);  // the legend's per-cent marks
  QCOMPARE(form1.Picture2->findChildren<orvane::toolkit::LineControl*>().size(), 18);
  QVERIFY(form1.Option1->isChecked());
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
