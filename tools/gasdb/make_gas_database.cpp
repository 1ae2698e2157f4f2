// Writes the shipped gas database: make-gas-database <gases.csv> <Gases.mdb>.
#include <fstream>
#include <iostream>
#include <sstream>

#include "assets/gas_table.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make-gas-database <gases.csv> <Gases.mdb>\n";
        return 2;
    }
    try {
        std::ifstream csv(argv[1], std::ios::binary);
        if (!csv) throw std::runtime_error(std::string("cannot read ") + argv[1]);
        std::ostringstream text;
        text << csv.rdbuf();
        const auto database = tarvek::gasdb::gasDatabase(tarvek::gasdb::readGasCsv(text.str()));

        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(database.bytes.data()),
                  std::streamsize(database.bytes.size()));
        if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "make-gas-database: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
