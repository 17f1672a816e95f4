// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zq {

// The step of a case a fee is paid for.
enum class CaseStage {
    FirstInstance,  // a suit or an application
    Counterclaim,   // the defendant's counterclaim (Article 18)
    ThirdParty,     // an independent third party's claim (Article 18)
    Appeal,         // the appealed part (Article 17)
    Retrial,        // the contested part of a retrial that pays (Articles 9, 19)
};

// Who pays a fee in advance, and when (Articles 20 and 22).
enum class Payer {
    Plaintiff,
    Defendant,
    ThirdParty,
    Appellant,
    RetrialApplicant,
    Applicant,
    Objector,  // the party whose jurisdiction objection failed (Article 13 (六))
};
enum class PayTime {
    WithinSevenDays,         // within 7 days of the court's notice (Article 22)
    WithinSevenDaysOfClaim,  // within 7 days of the counterclaim (Article 22)
    WithTheAppeal,           // with the statement of appeal (Article 22)
    AsTheCourtDirects,       // a retrial: the Measures set no time
    WithTheApplication,      // when applying, or within the time the court sets (Article 22)
    AfterEnforcement,        // an enforcement fee (Article 20)
    AfterLiquidation,        // a bankruptcy fee (Article 20)
    WhenTheObjectionFails,   // a jurisdiction objection pays only if it fails (Article 13 (六))
};

struct Prepayment {
    Payer by = Payer::Plaintiff;
    PayTime when = PayTime::WithinSevenDays;
    bool mayDefer = false;  // a claim for labour remuneration need not be prepaid (Article 20)

    // Paid once the case has come that far, not in advance.
    bool paidAfter() const {
        return when == PayTime::AfterEnforcement || when == PayTime::AfterLiquidation ||
               when == PayTime::WhenTheObjectionFails;
    }
};

// Who prepays the fee of a catalogue type at a stage; for an application fee the stage is the
// first.
Prepayment PrepaymentOf(std::string_view typeText, CaseStage stage);

}  // namespace zq
