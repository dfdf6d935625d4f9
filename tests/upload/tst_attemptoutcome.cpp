// The one outcome vocabulary: scripts and stored histories key on its words and exit codes.

#include "upload/AttemptOutcome.h"

#include <QSet>
#include <QTest>

class tst_AttemptOutcome : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The published words and codes never change, and each maps back to its own outcome.
    void wordsAndCodesArePublishedAndRoundTrip()
    {
        const QStringList published{"finished",        "refused",     "connect_failed",
                                    "connection_lost", "bad_input",   "output_failed",
                                    "hangup",          "interrupted", "crashed"};
        QCOMPARE(AttemptOutcome::words(), published);
        const QList<int> codes{0, 1, 2, 3, 4, 5, 129, 130, -1};
        QSet<QString> texts;
        for (int i = 0; i < AttemptOutcome::all().size(); ++i) {
            const AttemptOutcome outcome = AttemptOutcome::all().at(i);
            QCOMPARE(outcome.exitCode(), codes.at(i));
            QCOMPARE(AttemptOutcome::fromExitCode(outcome.exitCode()), outcome);
            QCOMPARE(AttemptOutcome::fromWord(outcome.word()), std::optional(outcome));
            QVERIFY(!outcome.text().isEmpty());
            texts.insert(outcome.text());
        }
        QCOMPARE(texts.size(), AttemptOutcome::all().size());
        QCOMPARE(AttemptOutcome::fromWord(u"stopped"), std::nullopt);
        QCOMPARE(AttemptOutcome::fromExitCode(77), AttemptOutcome(AttemptOutcome::BadInput));
    }

    // The window's operator stop and a program shutting down are the CLI's interrupted; a unit
    // that fell silent lost the connection.
    void engineOutcomesMapToTheVocabulary()
    {
        QCOMPARE(AttemptOutcome::fromUpload(UploadOutcome::Stopped).word(), "interrupted");
        QCOMPARE(AttemptOutcome::fromUpload(UploadOutcome::Cancelled).exitCode(), 130);
        QCOMPARE(AttemptOutcome::fromUpload(UploadOutcome::UnitSilent).word(), "connection_lost");
        QCOMPARE(AttemptOutcome::fromUpload(UploadOutcome::ConnectFailed).word(), "connect_failed");
    }
};

QTEST_GUILESS_MAIN(tst_AttemptOutcome)
#include "tst_attemptoutcome.moc"
