#include "conditions/ChannelTables.h"
#include "conditions/ModelCatalogue.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace spanwise {
namespace {

// The offered labels of a row joined by '|', so "-|||" is the placeholder and three empty entries.
template <int N> std::string Offered(const char* const (&labels)[N], int nOffered) {
    std::string joined;
    for (int i = 0; i < nOffered && i < N; ++i) {
        joined += (i > 0 ? "|" : "");
        joined += labels[i];
    }
    return joined;
}

struct ModelOffer {
    int nModel;
    const char* memory;
    bool bMemoryChoice;
    bool bRec;
    bool bDualAxis;
    bool bScanner;
};

TEST(ModelCatalogue, OffersPerModel) {
    // clang-format off
    const ModelOffer kOffers[] = {
        {kAlder,   "32MW|128MW|512MW|1GW", true,  true,  true,  true},
        {kBirch,   "64MW|256MW|1GW|2GW",   true,  true,  true,  true},
        {kCedar,   "32MW|128MW|512MW",     true,  true,  false, false},
        {kDamson,  "4MW",                  true,  true,  false, false},
        {kElm,     "8MW|32MW",             true,  true,  false, false},
        {kFir,     "16MW|64MW",            true,  true,  false, false},
        {kGum,     "-|||",                 false, false, false, false},
        {kHazel,   "-|||",                 false, true,  false, false},
        {kIvy,     "-|||",                 false, true,  false, false},
        {kJuniper, "-|||",                 false, false, false, false},
        {kKauri,   "64MW",                 true,  true,  false, false},
    };
    // clang-format on
    for (const ModelOffer& offer : kOffers) {
        SCOPED_TRACE(offer.nModel);
        const CMemoryLabelRow& row = GetModelRow(offer.nModel).memory;
        EXPECT_EQ(Offered(row.labels, row.nOffered), offer.memory);
        EXPECT_EQ(GetMemoryEntryCount(offer.nModel), row.nOffered);
        EXPECT_EQ(HasMemoryChoice(offer.nModel), offer.bMemoryChoice);
        EXPECT_EQ(HasRecFunction(offer.nModel), offer.bRec);
        EXPECT_EQ(HasDualAxisSampling(offer.nModel), offer.bDualAxis);
        EXPECT_EQ(TakesScannerUnit(offer.nModel), offer.bScanner);
    }
}

TEST(ModelCatalogue, ModelOutsideCatalogueOffersNothing) {
    for (int nModel : {INT_MIN, -1, kModelCount, INT_MAX}) {
        SCOPED_TRACE(nModel);
        EXPECT_EQ(GetMemoryEntryCount(nModel), 0);
        EXPECT_FALSE(HasMemoryChoice(nModel));
        EXPECT_FALSE(HasRecFunction(nModel));
        EXPECT_FALSE(HasDualAxisSampling(nModel));
        EXPECT_FALSE(TakesScannerUnit(nModel));
    }
}

TEST(ModelCatalogue, ScannerEntriesFollowFunctionAndSampling) {
    struct Case {
        int nFunction, nSampling;
        unsigned entry1;
    };
    const Case kCases[] = {
        {kFunctionMem, 0, IDS_ONLY_SABLE_INSTALLED},
        {kFunctionMem, 1, IDS_SABLE_INSTALLED},
        {kFunctionRec, 0, IDS_SABLE_INSTALLED},
        {kFunctionRec, 1, IDS_SABLE_INSTALLED},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.nFunction << "/" << c.nSampling);
        const int nRow = GetScannerRow(c.nFunction, c.nSampling);
        ASSERT_TRUE(nRow == 0 || nRow == 1);
        EXPECT_EQ(kScannerIdTable[nRow][0], IDS_SABLE_NOT_INSTALLED);
        EXPECT_EQ(kScannerIdTable[nRow][1], c.entry1);
    }
}

struct ChannelCase {
    int nModel, nSampling, nScanner;
    const char* channels;
};

TEST(ChannelTables, RowsOffered) {
    // clang-format off
    const ChannelCase kCases[] = {
        {kAlder,   0, 0, "1ch|2ch|4ch|8ch|16ch|16ch+logic"},
        {kAlder,   0, 1, "1*8ch|2*8ch|4*8ch|8*8ch|8*8ch+logic"},
        {kAlder,   1, 0, "1+1ch|2+2ch|4+4ch|8+8ch|16+8ch"},
        {kAlder,   1, 1, "1+1*8ch|2+2*8ch|4+4*8ch|8+8*8ch|16+8*8ch"},
        {kBirch,   0, 0, "2ch|4ch|8ch|16ch|32ch|32ch+logic"},
        {kBirch,   0, 1, "2*8ch|4*8ch|8*8ch|16*8ch|16*8ch+logic"},
        {kBirch,   1, 0, "2+2ch|4+4ch|8+8ch|16+16ch|32+16ch"},
        {kBirch,   1, 1, "2+2*8ch|4+4*8ch|8+8*8ch|16+16*8ch|32+16*8ch"},
        {kCedar,   0, 0, "2ch|4ch|8ch"},
        {kDamson,  0, 0, "1ch|2ch|4ch|8ch"},
        {kElm,     0, 0, "2ch|4ch|8ch|16ch"},
        {kFir,     0, 0, "4ch|8ch|16ch|32ch"},
        {kGum,     0, 0, "1ch/2ch|||"},
        {kHazel,   0, 0, "1ch|2ch"},
        {kIvy,     0, 0, "1ch|2ch|4ch"},
        {kJuniper, 0, 0, "2ch"},
        {kKauri,   0, 0, "2ch|4ch|8ch|16ch"},
    };
    // clang-format on
    for (const ChannelCase& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.nModel << " " << c.nSampling << c.nScanner);
        const CChannelRow& row = GetChannelRow(c.nModel, c.nSampling, c.nScanner);
        EXPECT_EQ(Offered(row.labels, row.nOffered), c.channels);
        if (c.nModel != kAlder && c.nModel != kBirch) {
            // Sampling and scanner unit do not enter for the other models.
            EXPECT_EQ(&GetChannelRow(c.nModel, 1, 1), &row);
        }
    }
}

TEST(ChannelTables, PositionOutsideTablesGivesEmptyRow) {
    const int kOutside[][3] = {
        {-1, 0, 0},     {kModelCount, 0, 0}, {INT_MIN, 0, 0}, {kAlder, 2, 0},
        {kAlder, 0, 2}, {kBirch, -1, 0},     {kBirch, 0, -1}, {kBirch, INT_MAX, INT_MAX}};
    for (const auto& pos : kOutside) {
        SCOPED_TRACE(::testing::Message() << pos[0] << " " << pos[1] << pos[2]);
        EXPECT_EQ(GetChannelRow(pos[0], pos[1], pos[2]).nOffered, 0);
    }
}

} // namespace
} // namespace spanwise
