#pragma once
// The statistics over the data collections, read by the host through the project database.
// The counts, totals, dates, distributions and sums are added here.
class TKolekcjeDanych;

class TAnaliza {
public:
    explicit TAnaliza(TKolekcjeDanych* k);

    TKolekcjeDanych* Kolekcje() const { return fKolekcje; }

private:
    TKolekcjeDanych* fKolekcje;
};
