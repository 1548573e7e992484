#include "tmaxwerteform.h"

#include "appinfo.h"
#include "foodindex.h"
#include "foodlistcolumns.h"
#include "foodrowsmodel.h"
#include "foodrowsview.h"
#include "formkit.h"
#include "maxvaluesrows.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

// Column widths: the amount column and the nutrients 54, except Fet.gesä and Vit.D, which
// keep the list's default of 50; the id column is hidden.
int ColumnWidth(int column)
{
    switch (column) {
    case FoodColumn::Name:
        return 340;
    case FoodColumn::Db:
        return 28;
    case FoodColumn::Id:
        return 0;
    case FoodColumn::Value(4):
    case FoodColumn::Value(11):
        return 50;
    default:
        return 54;
    }
}

} // namespace

TMaxWerteForm::TMaxWerteForm(QWidget *parent) : QDialog(parent)
{
    SetUpFixedWindow(this, QStringLiteral("MaxWerteForm"), QSize(1180, 541), QColor(192, 192, 192));
    setWindowTitle(AppTitle());
    setModal(true);
    createControls();
}

void TMaxWerteForm::createControls()
{
    QFrame *panel1 = MakePanel(this, QStringLiteral("Panel1"), QRect(8, 8, 1164, 64));
    MakeTitleLabel(panel1, QStringLiteral("Label4"), QStringLiteral("Maximale Nährstoff-Werte anzeigen"),
                   QRect(12, 9, 1, 19));
    MakeFittedLabel(
        panel1, QStringLiteral("Label17"),
        QStringLiteral("Ein Klick auf eine Spaltenüberschrift sortiert die Tabelle ab- bzw. aufsteigend"), 12,
        36);
    QPushButton *closeButton =
        MakeButton(panel1, QStringLiteral("CloseBtn"), QStringLiteral("Schließen"), QRect(1058, 11, 97, 42));
    // The window's only command: Enter in the list closes it.
    closeButton->setAutoDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &TMaxWerteForm::CloseBtnClick);

    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("Label1"));
    m_statusLabel->setGeometry(8, 78, 1164, 22);
    m_statusLabel->setAlignment(Qt::AlignCenter);
    SetBackground(m_statusLabel, QColor(234, 234, 0));

    m_model = new FoodRowsModel(MaxValuesCaptions(), this);
    m_list = MakeFoodRowsView(this, QStringLiteral("MaxWerteListView"), m_model, QRect(8, 104, 1164, 404));
    QPalette grey = m_list->palette();
    grey.setColor(QPalette::Base, QColor(228, 228, 228));
    m_list->setPalette(grey);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TMaxWerteForm::MaxWerteListViewColumnClick);

    // The footer labels stand under their columns.
    int left = m_list->x() + m_list->frameWidth();
    for (int column = 0; column < FoodColumn::Count; ++column) {
        const int width = ColumnWidth(column);
        if (width == 0) {
            m_list->setColumnHidden(column, true);
        } else {
            m_list->setColumnWidth(column, width);
            m_model->setCaptionFont(column, HeaderCaptionFont(m_list, m_model->caption(column), width));
        }
        if (column == FoodColumn::Amount) {
            MakeLabel(this, QStringLiteral("Label13"), QStringLiteral("g , St"), QRect(left, 514, width, 17),
                      Qt::AlignCenter);
        } else if (column >= FoodColumn::FirstValue) {
            const int k = column - FoodColumn::FirstValue;
            MakeLabel(this, QStringLiteral("KopfLabel%1").arg(k), NutrientCatalogue().at(k).unitLabel,
                      QRect(left, 514, width, 17), Qt::AlignCenter);
        }
        left += width;
    }
    m_countLabel = MakeLabel(this, QStringLiteral("Label16"), QStringLiteral("0"), QRect(16, 514, 80, 17));
}

void TMaxWerteForm::fill(const FoodIndex &index)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->setRows(BuildMaxValuesRows(index));
    QGuiApplication::restoreOverrideCursor();
    m_countLabel->setText(QString::number(m_model->rowCount()));
    m_statusLabel->setText(QStringLiteral("Es erfolgte noch keine Sortierung"));
}

void TMaxWerteForm::showFoods(const FoodIndex &index, const QPoint &mainTopLeft)
{
    fill(index);
    move(mainTopLeft + QPoint(32, 28));
    exec();
}

void TMaxWerteForm::MaxWerteListViewColumnClick(int column)
{
    m_sort.click(column);
    m_model->sortRows(column, m_sort.descending);
    if (m_model->rowCount() > 0)
        m_list->scrollTo(m_model->index(0, 0));
    const QString message = m_sort.descending ? QStringLiteral("Die Spalte '%1' wurde absteigend sortiert.")
                                              : QStringLiteral("Die Spalte '%1' wurde aufsteigend sortiert.");
    m_statusLabel->setText(message.arg(m_model->caption(column)));
}

void TMaxWerteForm::done(int result)
{
    QDialog::done(result);
    m_model->setRows({});
}

void TMaxWerteForm::CloseBtnClick()
{
    close();
}
