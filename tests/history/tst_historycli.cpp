#include <QtTest>
class tst_HistoryCli : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(tst_HistoryCli)
#include "tst_historycli.moc"
