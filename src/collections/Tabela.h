#pragma once
// Column titles of one table, in display order, as the schema sets them.
#include <string>
#include <vector>

class TTabela {
public:
    void Clear() { fTytulyKolumn.clear(); }
    void WyczyscNazwyKolumn() { fTytulyKolumn.clear(); }
    const std::vector<std::string>& TytulyKolumn() const { return fTytulyKolumn; }
    std::vector<std::string>& TytulyKolumn() { return fTytulyKolumn; }
    // Index of the last title; -1 when there are none.
    int IleKolumn() const { return static_cast<int>(fTytulyKolumn.size()) - 1; }

private:
    std::vector<std::string> fTytulyKolumn;
};
