#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "sqlite/KomunikatSQLite.h"
#include "sqlite/SQLiteTable3.h"
#include "support/TestPlatforma.h"

namespace {

class SQLiteTableTest : public ::testing::Test {
protected:
    TSQLiteDatabase fDb{":memory:"};
};

// The library itself reports its standard type names (INTEGER, REAL, TEXT, BLOB) in upper
// case however they were written; every other name is compared as written.
TEST_F(SQLiteTableTest, TheDeclaredTypeDecidesTheColumnTypeExactlyAndCaseSensitively)
{
    fDb.ExecSQL("CREATE TABLE T (a INTEGER, b BOOLEAN, c NUMERIC, d FLOAT, e DOUBLE, f REAL, "
                "g BLOB, h TEXT, i VARCHAR, j BOOL, k DATETIME, l boolean, m Float, "
                "n VARCHAR(30), o integer, p)");
    fDb.ExecSQL("INSERT INTO T VALUES (1, 1, 1, 1, 1, 1, x'01', 1, 1, 1, 1, 1, 1, 1, 1, 1)");
    const TSQLiteTable t = fDb.GetTable("SELECT * FROM T");
    using enum TSQLiteTyp;
    const TSQLiteTyp oczekiwane[] = {Calkowita, Calkowita, Zmiennoprzecinkowa, Zmiennoprzecinkowa,
                                     Zmiennoprzecinkowa, Zmiennoprzecinkowa, Blob, Tekst, Tekst,
                                     Tekst, Tekst, Tekst, Tekst, Tekst, Calkowita, Calkowita};
    ASSERT_EQ(t.ColCount(), std::size(oczekiwane));
    for (int c = 0; c < static_cast<int>(t.ColCount()); ++c)
        EXPECT_EQ(t.ColType(c), oczekiwane[c]) << t.Cols()[static_cast<size_t>(c)];
}

TEST_F(SQLiteTableTest, AnExpressionColumnTakesTheStorageClassOfTheFirstRow)
{
    const TSQLiteTable t = fDb.GetTable("SELECT 1, 1.5, 'a', x'00', NULL, 2 + 3 AS Suma");
    using enum TSQLiteTyp;
    const TSQLiteTyp oczekiwane[] = {Calkowita, Zmiennoprzecinkowa, Tekst, Blob, Null, Calkowita};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(t.ColType(c), oczekiwane[c]) << c;
    EXPECT_EQ(t.Cols().back(), "SUMA");
}

TEST_F(SQLiteTableTest, CellsReadAsTextAsTheLoadersExpect)
{
    fDb.ExecSQL("CREATE TABLE W (Id INTEGER, Ile REAL, Data DATETIME, Flaga BOOL, Komentarz TEXT, "
                "Opis VARCHAR)");
    fDb.ExecSQL("INSERT INTO W VALUES (-42, 1234.5, '2013-05-01 14:30', 1, 'Zażółć gęślą jaźń', "
                "'')");
    fDb.ExecSQL("INSERT INTO W VALUES (NULL, NULL, NULL, NULL, NULL, NULL)");
    TSQLiteTable t = fDb.GetTable("SELECT * FROM W");

    const std::pair<const char*, const char*> pierwszy[] = {
        {"Id", "-42"}, {"Ile", "1234,5"}, {"Data", "2013-05-01 14:30"}, {"Flaga", "1"},
        {"Komentarz", "Zażółć gęślą jaźń"}, {"Opis", ""}};
    for (const auto& [kolumna, tekst] : pierwszy) {
        EXPECT_EQ(t.FieldTextByName(kolumna), tekst) << kolumna;
        EXPECT_EQ(t.FieldTextViewByName(kolumna).Widok(), tekst) << kolumna;
    }
    EXPECT_FALSE(t.FieldIsNull(5));

    ASSERT_TRUE(t.Next());
    // An absent cell reads as 0 in a numeric column, as an empty text elsewhere.
    const std::pair<const char*, const char*> drugi[] = {
        {"Id", "0"}, {"Ile", "0"}, {"Data", ""}, {"Flaga", ""}, {"Komentarz", ""}, {"Opis", ""}};
    for (const auto& [kolumna, tekst] : drugi) {
        EXPECT_EQ(t.FieldTextByName(kolumna), tekst) << kolumna;
        EXPECT_EQ(t.FieldTextViewByName(kolumna).Widok(), tekst) << kolumna;
        EXPECT_EQ(t.FieldAsString(t.ColumnIndex(kolumna)), "") << kolumna;
        EXPECT_TRUE(t.FieldIsNull(t.ColumnIndex(kolumna))) << kolumna;
    }
    EXPECT_EQ(t.FieldAsInteger(0), 0);
    EXPECT_EQ(t.FieldAsDouble(1), 0);
}

TEST_F(SQLiteTableTest, TypedAccessorsReadNumbersAndRefuseTextColumns)
{
    fDb.ExecSQL("CREATE TABLE T (I INTEGER, R REAL, Flaga BOOL, S TEXT, B BLOB)");
    fDb.ExecSQL("INSERT INTO T VALUES (9223372036854775807, 0.1, 1, '5', x'41')");
    const TSQLiteTable t = fDb.GetTable("SELECT * FROM T");

    EXPECT_EQ(t.FieldAsInteger(0), 9223372036854775807);
    EXPECT_EQ(t.FieldAsDouble(0), 9223372036854775807.0);
    EXPECT_EQ(t.FieldAsDouble(1), 0.1);
    EXPECT_EQ(t.FieldAsString(0), "9223372036854775807");
    EXPECT_EQ(t.FieldAsString(1), "0,1");
    for (int c : {2, 3, 4}) {
        EXPECT_EQ(Komunikat([&] { t.FieldAsInteger(c); }), "Not an integer or numeric field") << c;
        EXPECT_EQ(Komunikat([&] { t.FieldAsDouble(c); }), "Not an integer or numeric field") << c;
    }
    EXPECT_EQ(t.FieldAsString(2), "1");
    for (int c : {0, 1, 2, 3})
        EXPECT_EQ(Komunikat([&] { t.FieldAsBlob(c); }), "Not a Blob field") << c;
}

// SQLite lets any value into any column; coercing a stray text to 0 or a fraction to a whole
// number would hand the loaders a wrong value instead of one they can refuse.
TEST_F(SQLiteTableTest, AValueOfAnotherStorageClassKeepsItsOwnValue)
{
    fDb.ExecSQL("CREATE TABLE T (I INTEGER, R REAL)");
    fDb.ExecSQL("INSERT INTO T VALUES ('abc', 'dwa')");
    fDb.ExecSQL("INSERT INTO T VALUES (12.5, 7)");
    TSQLiteTable t = fDb.GetTable("SELECT * FROM T");

    EXPECT_EQ(t.FieldTextByName("I"), "abc");
    EXPECT_EQ(t.FieldTextByName("R"), "dwa");
    EXPECT_EQ(Komunikat([&] { t.FieldAsInteger(0); }), "Not an integer or numeric field");
    EXPECT_EQ(Komunikat([&] { t.FieldAsDouble(1); }), "Not an integer or numeric field");

    t.Next();
    EXPECT_EQ(t.FieldTextByName("I"), "12,5");
    EXPECT_EQ(t.FieldAsInteger(0), 12);
    EXPECT_EQ(t.FieldAsDouble(0), 12.5);
    EXPECT_EQ(t.FieldTextByName("R"), "7");
    EXPECT_EQ(t.FieldAsDouble(1), 7.0);

    // An expression column whose first value is NULL still shows the later values.
    const TSQLiteTable w = fDb.GetTable(
        "SELECT CASE WHEN I = 'abc' THEN NULL ELSE I END AS X FROM T ORDER BY rowid");
    TSQLiteTable kopia = w;
    EXPECT_EQ(kopia.ColType(0), TSQLiteTyp::Null);
    EXPECT_EQ(kopia.FieldTextByName("X"), "");
    kopia.Next();
    EXPECT_EQ(kopia.FieldTextByName("X"), "12,5");
}

TEST_F(SQLiteTableTest, BlobsAreCopiedAndAnEmptyOneHasNoBuffer)
{
    fDb.ExecSQL("CREATE TABLE T (B BLOB)");
    fDb.ExecSQL("INSERT INTO T VALUES (x'610062')");
    fDb.ExecSQL("INSERT INTO T VALUES (x'')");
    fDb.ExecSQL("INSERT INTO T VALUES (NULL)");
    fDb.ExecSQL("INSERT INTO T VALUES ('tekst')");
    TSQLiteTable t = fDb.GetTable("SELECT B FROM T ORDER BY rowid");

    const auto bajty = t.FieldAsBlob(0);
    ASSERT_EQ(bajty.size(), 3u);
    EXPECT_EQ(bajty[1], std::byte{0});
    EXPECT_EQ(t.FieldAsBlobText(0), std::string("a\0b", 3));
    EXPECT_EQ(t.FieldTextByName("b"), std::string("a\0b", 3));

    t.Next();
    EXPECT_EQ(t.FieldAsBlob(0).data(), nullptr);
    EXPECT_EQ(t.FieldAsBlobText(0), "");
    EXPECT_FALSE(t.FieldIsNull(0));
    t.Next();
    EXPECT_EQ(t.FieldAsBlob(0).data(), nullptr);
    EXPECT_TRUE(t.FieldIsNull(0));
    EXPECT_EQ(t.FieldTextByName("B"), "");
    t.Next();
    EXPECT_EQ(t.FieldAsBlobText(0), "tekst");
}

TEST_F(SQLiteTableTest, NavigationStopsAtBothEndsAndNextReachesTheEndPosition)
{
    fDb.ExecSQL("CREATE TABLE T (Id INTEGER)");
    for (int i = 1; i <= 3; ++i)
        fDb.ExecSQL("INSERT INTO T VALUES (" + std::to_string(i) + ")");
    TSQLiteTable t = fDb.GetTable("SELECT Id FROM T ORDER BY Id");

    EXPECT_EQ(t.Count(), 3u);
    EXPECT_TRUE(t.BOF());
    EXPECT_FALSE(t.Previous());
    EXPECT_TRUE(t.MoveLast());
    EXPECT_EQ(t.FieldAsInteger(0), 3);
    EXPECT_TRUE(t.Next());
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.Row(), 3u);
    EXPECT_FALSE(t.Next());
    EXPECT_EQ(Komunikat([&] { t.FieldAsInteger(0); }), "Table is at End of File");
    EXPECT_EQ(Komunikat([&] { t.FieldTextByName("Id"); }), "Table is at End of File");
    EXPECT_EQ(Komunikat([&] { t.FieldIsNull(0); }), "Table is at End of File");
    EXPECT_TRUE(t.Previous());
    EXPECT_EQ(t.FieldAsInteger(0), 3);

    EXPECT_FALSE(t.MoveTo(3));
    EXPECT_TRUE(t.MoveTo(1));
    EXPECT_EQ(t.FieldAsInteger(0), 2);
    EXPECT_TRUE(t.MoveFirst());
    EXPECT_EQ(t.FieldAsInteger(0), 1);
}

TEST_F(SQLiteTableTest, AResultWithoutRowsHasNoColumns)
{
    fDb.ExecSQL("CREATE TABLE T (Id INTEGER)");
    TSQLiteTable t = fDb.GetTable("SELECT * FROM T");
    EXPECT_EQ(t.RowCount(), 0u);
    EXPECT_EQ(t.ColCount(), 0u);
    EXPECT_TRUE(t.Cols().empty());
    EXPECT_TRUE(t.Eof());
    EXPECT_TRUE(t.BOF());
    EXPECT_FALSE(t.MoveFirst());
    EXPECT_FALSE(t.MoveLast());
    EXPECT_FALSE(t.MoveTo(0));
    EXPECT_FALSE(t.Next());
    EXPECT_EQ(Komunikat([&] { t.FieldTextByName("Id"); }), "Field Id Not found. Empty dataset");
    EXPECT_EQ(Komunikat([&] { t.FieldAsInteger(0); }), "Table is at End of File");
}

TEST_F(SQLiteTableTest, ColumnsAreFoundIgnoringCaseTheFirstOfEqualNamesWinning)
{
    fDb.ExecSQL("CREATE TABLE A (Id INTEGER, Data DATETIME, \"Wartość\" TEXT)");
    fDb.ExecSQL("CREATE TABLE B (Id INTEGER, IdA INTEGER)");
    fDb.ExecSQL("INSERT INTO A VALUES (1, '2013-05-01', 'żółw')");
    fDb.ExecSQL("INSERT INTO B VALUES (2, 1)");
    const TSQLiteTable t = fDb.GetTable("SELECT A.*, B.* FROM A JOIN B ON B.IdA = A.Id");

    EXPECT_EQ(t.Cols(), (std::vector<std::string>{"ID", "DATA", "WARTOŚĆ", "ID", "IDA"}));
    EXPECT_EQ(t.FieldTextByName("data"), "2013-05-01");
    EXPECT_EQ(t.FieldTextByName("wartość"), "żółw");
    EXPECT_EQ(t.ColumnIndex("WARTOść"), 2);
    // Asked in column order, so the remembered position would point at the second Id.
    EXPECT_EQ(t.ColumnIndex("Wartość"), 2);
    EXPECT_EQ(t.ColumnIndex("Id"), 0);
    EXPECT_EQ(t.ColumnIndex("IdA"), 4);
    EXPECT_EQ(t.ColumnIndex("iD"), 0);
    EXPECT_EQ(Komunikat([&] { t.FieldTextByName("Kwota"); }), "Field not found in dataset: Kwota");
    EXPECT_EQ(Komunikat([&] { t.FieldTextByName("Dat"); }), "Field not found in dataset: Dat");
    EXPECT_EQ(Komunikat([&] { t.FieldTextByName(""); }), "Field not found in dataset: ");
    EXPECT_EQ(Komunikat([&] { t.FieldTextByName("\xC5"); }), "Field not found in dataset: \xC5");
}

TEST_F(SQLiteTableTest, EveryColumnOfAWideResultIsFoundInAnyOrderAndLetterCase)
{
    std::string kolumny;
    std::string wartosci;
    for (int c = 0; c < 40; ++c) {
        kolumny += (c ? ", " : "") + std::string("Kolumna") + std::to_string(c * 7 % 40);
        wartosci += (c ? ", " : "") + std::to_string(c);
    }
    fDb.ExecSQL("CREATE TABLE T (" + kolumny + ")");
    fDb.ExecSQL("INSERT INTO T VALUES (" + wartosci + ")");
    const TSQLiteTable t = fDb.GetTable("SELECT * FROM T");

    std::mt19937 los(5);
    std::vector<int> kolejnosc(40);
    std::iota(kolejnosc.begin(), kolejnosc.end(), 0);
    for (int runda = 0; runda < 3; ++runda) {
        std::shuffle(kolejnosc.begin(), kolejnosc.end(), los);
        for (const int c : kolejnosc) {
            const std::string nazwa = (runda == 1 ? "KOLUMNA" : runda == 2 ? "kolumna" : "Kolumna") +
                                      std::to_string(c * 7 % 40);
            EXPECT_EQ(t.ColumnIndex(nazwa), c) << nazwa;
            EXPECT_EQ(t.FieldTextByName(nazwa), std::to_string(c)) << nazwa;
        }
    }
    EXPECT_EQ(Komunikat([&] { t.ColumnIndex("Kolumna40"); }), "Field not found in dataset: Kolumna40");
}

TEST_F(SQLiteTableTest, TheTableOutlivesTheConnectionAndLaterStatements)
{
    TTymczasowyFolder folder;
    TSQLiteTable t;
    {
        TSQLiteDatabase db(folder.Plik("dane.db"));
        db.ExecSQL("CREATE TABLE T (Nazwa TEXT)");
        db.ExecSQL("INSERT INTO T VALUES ('Łódź')");
        t = db.GetTable("SELECT Nazwa FROM T");
        db.ExecSQL("DELETE FROM T");
    }
    EXPECT_EQ(t.FieldTextByName("Nazwa"), "Łódź");
}

TEST_F(SQLiteTableTest, ABadColumnIndexIsAnErrorNotACrash)
{
    const TSQLiteTable t = fDb.GetTable("SELECT 1 AS A");
    for (int c : {-1, 1, 1000})
        EXPECT_EQ(Komunikat([&] { t.FieldAsString(c); }),
                  "Nie ma kolumny o numerze " + std::to_string(c) + " w wyniku zapytania");
}

}  // namespace
