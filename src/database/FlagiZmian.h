#pragma once
// The changed-and-not-saved flag of the collection each table fills. One flag serves the
// execution histories of both kinds of standing order, and the deposits' flag covers the
// deposit offers too.
#include "collections/KolekcjeDanych.h"
#include "records/WlasneTypyDanych.h"

// False for Pusta and PrzychodyIRozchody, which fill no collection.
bool MaNiezapisaneZmiany(const TKolekcjeDanych& kolekcje, TTabele tabela);
// Nothing for Pusta and PrzychodyIRozchody.
void OpuscFlageZmian(TKolekcjeDanych& kolekcje, TTabele tabela);
