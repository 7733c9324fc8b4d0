#pragma once
// The statement-batch executor through which the project database writes: one batch is one
// transaction.
#include <string>
#include <vector>

class TSQLiteDatabase;

// Runs the statements in order inside one transaction and commits. When a statement or the
// commit fails, the transaction is rolled back, the failure's message is shown in the
// "BŁĄD !!!" box and the remaining statements are skipped. While the connection already has
// an open transaction nothing runs. Returns true only when the batch was committed; a
// failure to begin the transaction is raised. With wyczyscParametry the connection's pending
// named parameters are discarded after a batch that ran.
bool WykonajPaczkePolecen(TSQLiteDatabase& baza, std::vector<std::string> polecenia,
                          bool wyczyscParametry);
