#include "rules/calculator/gas_listing.h"

#include <gtest/gtest.h>

namespace {

using tarvek::GasRecord;

TEST(GasListing, ReadsBackWhatItWrites) {
    const std::vector<GasRecord> records = {
        {"Air", "1", "1.4"},      {"Nitrous Oxide (N\xe2\x82\x82O)", "1.52", "1.27"},
        {"Ol' Reliable", "", ""}, {"tab\there, line\nfeed, return\r, back\\slash \\t", "0.07", "1E+20"},
        {"", "-2.5E-07", "0"},    {"end", "1", "1"},
    };
    const std::string listing = tarvek::writeGasListing(records);
    EXPECT_EQ(tarvek::readGasListing(listing), records);
    EXPECT_EQ(tarvek::readGasListing(tarvek::writeGasListing({})), std::vector<GasRecord>{});
}

TEST(GasListing, AnythingButAWholeListingIsNoDatabase) {
    const std::string heading = "tarvek gas listing 1\n";
    const std::string air = "gas\tAir\t1\t1.4\n";
    const char* const refused[] = {
        "",
        "tarvek gas listing 2\nend\t0\n",
        "libmdb says hello\ntarvek gas listing 1\nend\t0\n",
        "tarvek gas listing 1\n",                            // cut off before the end line
        "tarvek gas listing 1\ngas\tAir\t1\t1.4\n",          // the same
        "tarvek gas listing 1\ngas\tAir\t1\t1.4\nend\t1",    // end line cut off
        "tarvek gas listing 1\ngas\tAir\t1\t1.4\nend\t2\n",  // wrong count
        "tarvek gas listing 1\ngas\tAir\t1\t1.4\nend\t01\n",
        "tarvek gas listing 1\ngas\tAir\t1\t1.4\nend\t+1\n",
        "tarvek gas listing 1\ngas\tAir\t1\t1.4\nend\t1\nmore\n",    // output after the end
        "tarvek gas listing 1\nAir\t1\t1.4\nend\t1\n",               // no row tag
        "tarvek gas listing 1\ngas\tAir\t1\nend\t1\n",               // a field short
        "tarvek gas listing 1\ngas\tAir\t1\t1.4\t\nend\t1\n",        // a field over
        "tarvek gas listing 1\ngas\tAir\\x\t1\t1.4\nend\t1\n",       // unknown escape
        "tarvek gas listing 1\ngas\tAir\\\t1\t1.4\nend\t1\n",        // escape at the end
        "tarvek gas listing 1\ngas\tAir\r\t1\t1.4\nend\t1\n",        // raw carriage return
        "tarvek gas listing 1\ngas\tAir\xff\t1\t1.4\nend\t1\n",      // not UTF-8
        "tarvek gas listing 1\ngas\tAir\xc0\xaf\t1\t1.4\nend\t1\n",  // overlong UTF-8
        "tarvek gas listing 1\ngas\tAir\t1,4\t1.4\nend\t1\n",        // a German number
        "tarvek gas listing 1\ngas\tAir\t1.40\t1.4\nend\t1\n",       // not the number's own text
        "tarvek gas listing 1\ngas\tAir\t0.07000000000000001\t1.4\nend\t1\n",
        "tarvek gas listing 1\ngas\tAir\t 1\t1.4\nend\t1\n",
        "tarvek gas listing 1\ngas\tAir\tinf\t1.4\nend\t1\n",
    };
    for (const char* listing : refused) EXPECT_FALSE(tarvek::readGasListing(listing)) << listing;
    EXPECT_TRUE(tarvek::readGasListing(heading + air + "end\t1\n"));
}

}  // namespace
