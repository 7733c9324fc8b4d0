#pragma once
// The statistics object lives in a higher layer than the project database that owns it, so
// the database layer knows it only by these two functions, defined by the statistics layer.
#include <memory>

class TAnaliza;
class TKolekcjeDanych;

struct TUsuwanieAnalizy {
    void operator()(TAnaliza* analiza) const;
};

using TWskaznikAnalizy = std::unique_ptr<TAnaliza, TUsuwanieAnalizy>;

// The statistics over kolekcje; kolekcje must outlive the result.
TWskaznikAnalizy UtworzAnalize(TKolekcjeDanych* kolekcje);
