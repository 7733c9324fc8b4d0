#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "sqlite/KomunikatSQLite.h"
#include "sqlite/SQLiteTable3.h"
#include "support/TestPlatforma.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

class SQLiteDatabaseTest : public ::testing::Test {
protected:
    std::string Plik() const { return fFolder.Plik("dane.db"); }
    int64_t IleWierszy(TSQLiteDatabase& db, const std::string& tabela = "T")
    {
        TSQLiteTable t = db.GetTable("SELECT COUNT(*) AS Ile FROM " + tabela);
        return t.FieldAsInteger(0);
    }

    TTymczasowyFolder fFolder;
};

TEST_F(SQLiteDatabaseTest, OpeningCreatesAMissingFileAndAFailureNamesTheFile)
{
    {
        TSQLiteDatabase db(Plik());
        EXPECT_FALSE(db.InTrans());
        EXPECT_TRUE(db.Params().empty());
    }
    EXPECT_TRUE(std::filesystem::exists(Plik()));

    const std::string brak = fFolder.Plik("nie/ma/folderu.db");
    EXPECT_EQ(Komunikat([&] { TSQLiteDatabase db(brak); }),
              "Failed to open database \"" + brak + "\" : unable to open database file");
}

TEST_F(SQLiteDatabaseTest, FailuresCarryTheCodeItsTextTheStatementAndTheLibraryMessage)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER PRIMARY KEY, Nazwa TEXT NOT NULL UNIQUE)");
    db.ExecSQL("INSERT INTO T (Nazwa) VALUES ('a')");

    EXPECT_EQ(Komunikat([&] { db.ExecSQL("SELEC 1"); }),
              "Error executing SQL.\rError [1]: SQL error or missing database.\r\"SELEC 1\": "
              "near \"SELEC\": syntax error");
    EXPECT_EQ(Komunikat([&] { db.GetTable("SELECT * FROM Brak"); }),
              "Error executing SQL.\rError [1]: SQL error or missing database.\r\"SELECT * FROM "
              "Brak\": no such table: Brak");
    EXPECT_EQ(Komunikat([&] { db.ExecSQL("INSERT INTO T (Nazwa) VALUES ('a')"); }),
              "Error executing SQL statement.\rError [19]: Abort due to contraint violation.\r"
              "\"INSERT INTO T (Nazwa) VALUES ('a')\": UNIQUE constraint failed: T.Nazwa");
    EXPECT_EQ(Komunikat([&] { db.GetTable("SELECT abs(-9223372036854775807 - 1)"); }),
              "Could not retrieve data.\rError [1]: SQL error or missing database.\r"
              "\"SELECT abs(-9223372036854775807 - 1)\": integer overflow");

    // The connection stays usable after every failure.
    EXPECT_EQ(IleWierszy(db), 1);
}

TEST_F(SQLiteDatabaseTest, NothingToPrepareIsRefusedWithTheBareMessage)
{
    TSQLiteDatabase db(Plik());
    for (const std::string sql : {"", "   \r\n", "-- tylko komentarz", "/* nic */"}) {
        EXPECT_EQ(Komunikat([&] { db.ExecSQL(sql); }), "Could not prepare SQL statement") << sql;
        EXPECT_EQ(Komunikat([&] { db.GetTable(sql); }), "Could not prepare SQL statement") << sql;
    }
}

TEST_F(SQLiteDatabaseTest, OnlyTheFirstStatementOfATextRuns)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER); INSERT INTO T VALUES (1);");
    EXPECT_EQ(IleWierszy(db), 0);
    db.ExecSQL("INSERT INTO T VALUES (1); INSERT INTO T VALUES (2)");
    EXPECT_EQ(IleWierszy(db), 1);

    TSQLiteTable t = db.GetTable("SELECT 7 AS A; SELECT 8 AS A");
    EXPECT_EQ(t.RowCount(), 1u);
    EXPECT_EQ(t.FieldAsInteger(0), 7);
}

TEST_F(SQLiteDatabaseTest, ExecSQLRefusesAStatementThatYieldsARow)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER)");
    db.ExecSQL("INSERT INTO T VALUES (1)");
    EXPECT_THAT(Komunikat([&] { db.ExecSQL("SELECT * FROM T"); }),
                StartsWith("Error executing SQL statement"));
    // A query yielding no row finishes like any other statement.
    EXPECT_EQ(Komunikat([&] { db.ExecSQL("SELECT * FROM T WHERE Id = 2"); }), "");
}

TEST_F(SQLiteDatabaseTest, ATransactionCommitsOrRollsBackAndTracksItsFlag)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER)");

    db.BeginTransaction();
    EXPECT_TRUE(db.InTrans());
    db.ExecSQL("INSERT INTO T VALUES (1)");
    EXPECT_EQ(Komunikat([&] { db.BeginTransaction(); }), "Transaction already open");
    EXPECT_TRUE(db.InTrans());
    db.Commit();
    EXPECT_FALSE(db.InTrans());
    EXPECT_EQ(IleWierszy(db), 1);

    db.BeginTransaction();
    db.ExecSQL("INSERT INTO T VALUES (2)");
    db.Rollback();
    EXPECT_FALSE(db.InTrans());
    EXPECT_EQ(IleWierszy(db), 1);

    // A failing COMMIT leaves the flag as it was.
    EXPECT_THAT(Komunikat([&] { db.Commit(); }),
                HasSubstr("cannot commit - no transaction is active"));
    EXPECT_FALSE(db.InTrans());
}

TEST_F(SQLiteDatabaseTest, AFailedStatementLeavesTheTransactionOpen)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER NOT NULL)");
    db.BeginTransaction();
    db.ExecSQL("INSERT INTO T VALUES (1)");
    EXPECT_NE(Komunikat([&] { db.ExecSQL("INSERT INTO T VALUES (NULL)"); }), "");
    EXPECT_TRUE(db.InTrans());
    db.Rollback();
    EXPECT_EQ(IleWierszy(db), 0);
}

TEST_F(SQLiteDatabaseTest, DestroyingTheConnectionRollsBackItsOpenTransaction)
{
    {
        TSQLiteDatabase db(Plik());
        db.ExecSQL("CREATE TABLE T (Id INTEGER)");
        db.BeginTransaction();
        db.ExecSQL("INSERT INTO T VALUES (1)");
    }
    TSQLiteDatabase db(Plik());
    EXPECT_EQ(IleWierszy(db), 0);
}

TEST_F(SQLiteDatabaseTest, RollbackAfterTheLibraryEndedTheTransactionClearsTheFlag)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER)");
    db.BeginTransaction();
    // Stands in for the library's own rollback after a disk-full or I/O error.
    db.ExecSQL("ROLLBACK");
    EXPECT_TRUE(db.InTrans());
    db.Rollback();
    EXPECT_FALSE(db.InTrans());
    db.BeginTransaction();
    db.ExecSQL("INSERT INTO T VALUES (1)");
    db.Commit();
    EXPECT_EQ(IleWierszy(db), 1);
    // Without a transaction begun here a failing ROLLBACK is still an error.
    EXPECT_THAT(Komunikat([&] { db.Rollback(); }), StartsWith("Error executing SQL statement"));
}

TEST_F(SQLiteDatabaseTest, NamedParametersAreBoundByNameAndUsedUpByTheNextStatement)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (I INTEGER, F REAL, S TEXT, N TEXT)");

    db.AddParamInt(":i", -9007199254740993);
    db.AddParamFloat("@f", 12.25);
    db.AddParamText("$s", "Zażółć gęślą jaźń");
    db.AddParamNull(":n");
    db.AddParamInt(":nieuzywany", 5);
    db.ExecSQL("INSERT INTO T VALUES (:i, @f, $s, :n)");
    EXPECT_TRUE(db.Params().empty());

    db.AddParamText(":s", "Zażółć gęślą jaźń");
    TSQLiteTable t = db.GetTable("SELECT I, F, S, N FROM T WHERE S = :s");
    ASSERT_EQ(t.RowCount(), 1u);
    EXPECT_EQ(t.FieldAsInteger(0), -9007199254740993);
    EXPECT_EQ(t.FieldAsDouble(1), 12.25);
    EXPECT_EQ(t.FieldAsString(2), "Zażółć gęślą jaźń");
    EXPECT_TRUE(t.FieldIsNull(3));
    EXPECT_TRUE(db.Params().empty());

    db.AddParamInt(":i", 1);
    db.ParamsClear();
    EXPECT_TRUE(db.Params().empty());
}

TEST_F(SQLiteDatabaseTest, ParametersSurviveTheTransactionStatementsButNotAFailedStatement)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (I INTEGER)");

    db.AddParamInt(":i", 3);
    db.BeginTransaction();
    db.ExecSQL("INSERT INTO T VALUES (:i)");
    db.Commit();
    EXPECT_EQ(db.GetTable("SELECT I FROM T").FieldAsInteger(0), 3);

    db.AddParamInt(":i", 4);
    EXPECT_NE(Komunikat([&] { db.ExecSQL("INSERT INTO Brak VALUES (:i)"); }), "");
    EXPECT_TRUE(db.Params().empty());
}

TEST_F(SQLiteDatabaseTest, DoubleQuotedStringLiteralsAreAccepted)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Imie TEXT, Nazwisko TEXT, Typ INTEGER)");
    db.ExecSQL("INSERT INTO T VALUES ('Jan', 'Kowalski', 1)");
    db.ExecSQL("CREATE VIEW V AS SELECT Imie || \" \" || Nazwisko AS Osoba FROM T");
    EXPECT_EQ(db.GetTable("SELECT * FROM \"V\"").FieldTextByName("Osoba"), "Jan Kowalski");
    EXPECT_EQ(db.GetTable("SELECT * FROM T WHERE \"Typ\"=\"1\"").RowCount(), 1u);
}

TEST_F(SQLiteDatabaseTest, AFileThatIsNotADatabaseFailsAtTheFirstStatement)
{
    {
        std::ofstream plik(Plik());
        plik << "To nie jest baza danych, tylko zwykły tekst zapisany w pliku.\n";
    }
    TSQLiteDatabase db(Plik());
    EXPECT_EQ(Komunikat([&] { db.GetTable("SELECT * FROM T"); }),
              "Error executing SQL.\rError [26]: File opened that is not a database file.\r"
              "\"SELECT * FROM T\": file is not a database");
}

// Another connection holding a lock makes statements fail at once: no busy timeout is set.
TEST_F(SQLiteDatabaseTest, ALockHeldElsewhereFailsAtOnceWithDatabaseIsLocked)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER)");
    db.ExecSQL("INSERT INTO T VALUES (1)");

    {
        TSQLiteDatabase inny(Plik());
        inny.ExecSQL("BEGIN IMMEDIATE");
        EXPECT_EQ(Komunikat([&] { db.ExecSQL("INSERT INTO T VALUES (2)"); }),
                  "Error executing SQL statement.\rError [5]: The database file is locked.\r"
                  "\"INSERT INTO T VALUES (2)\": database is locked");
        db.BeginTransaction();
        EXPECT_THAT(Komunikat([&] { db.ExecSQL("INSERT INTO T VALUES (2)"); }),
                    HasSubstr("database is locked"));
        EXPECT_TRUE(db.InTrans());
        db.Rollback();
        // Reading is still allowed next to a reserved lock.
        EXPECT_EQ(IleWierszy(db), 1);

        inny.ExecSQL("COMMIT");
        inny.ExecSQL("BEGIN EXCLUSIVE");
        EXPECT_EQ(Komunikat([&] { db.GetTable("SELECT * FROM T"); }),
                  "Could not prepare SQL statement.\rError [5]: The database file is locked.\r"
                  "\"SELECT * FROM T\": database is locked");
    }

    db.ExecSQL("INSERT INTO T VALUES (2)");
    EXPECT_EQ(IleWierszy(db), 2);
}

// The same through a lock that another process holds on the file.
TEST_F(SQLiteDatabaseTest, ALockHeldByAnotherProcessFailsAtOnce)
{
    TSQLiteDatabase db(Plik());
    db.ExecSQL("CREATE TABLE T (Id INTEGER)");

    int doRodzica[2];
    int doDziecka[2];
    ASSERT_EQ(pipe(doRodzica), 0);
    ASSERT_EQ(pipe(doDziecka), 0);
    const pid_t dziecko = fork();
    ASSERT_GE(dziecko, 0);
    if (dziecko == 0) {
        sqlite3* inny = nullptr;
        char znak = 'x';
        if (sqlite3_open(Plik().c_str(), &inny) != SQLITE_OK ||
            sqlite3_exec(inny, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
            znak = 'e';
        if (write(doRodzica[1], &znak, 1) != 1 || read(doDziecka[0], &znak, 1) != 1)
            _exit(2);
        _exit(0);
    }
    char znak = 0;
    ASSERT_EQ(read(doRodzica[0], &znak, 1), 1);
    const std::string zapis = Komunikat([&] { db.ExecSQL("INSERT INTO T VALUES (1)"); });
    const std::string odczyt = Komunikat([&] { db.GetTable("SELECT * FROM T"); });
    EXPECT_EQ(write(doDziecka[1], &znak, 1), 1);
    int stan = 0;
    waitpid(dziecko, &stan, 0);
    for (int f : {doRodzica[0], doRodzica[1], doDziecka[0], doDziecka[1]})
        close(f);

    ASSERT_EQ(znak, 'x');
    EXPECT_THAT(zapis, HasSubstr("Error [5]: The database file is locked."));
    EXPECT_THAT(zapis, HasSubstr("database is locked"));
    EXPECT_THAT(odczyt, StartsWith("Could not prepare SQL statement.\rError [5]"));
    db.ExecSQL("INSERT INTO T VALUES (1)");
    EXPECT_EQ(IleWierszy(db), 1);
}

TEST(SQLiteErrorCodeText, NamesEveryKnownCodeAndQuotesAnUnknownOne)
{
    const std::pair<int, const char*> przypadki[] = {
        {0, "Successful result"},
        {5, "The database file is locked"},
        {8, "Attempt to write a readonly database"},
        {12, "(Internal Only) Table or record not found"},
        {19, "Abort due to contraint violation"},
        {25, "2nd parameter to sqlite3_bind out of range"},
        {26, "File opened that is not a database file"},
        {100, "sqlite3_step() has another row ready"},
        {101, "sqlite3_step() has finished executing"},
        {27, "Unknown SQLite Error Code \"27\""},
        {-1, "Unknown SQLite Error Code \"-1\""},
        {1555, "Unknown SQLite Error Code \"1555\""},
    };
    for (const auto& [kod, tekst] : przypadki)
        EXPECT_EQ(ErrorCodeText(kod), tekst) << kod;
}

}  // namespace
