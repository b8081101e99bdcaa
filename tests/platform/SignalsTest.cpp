// The sound system must leave the process's stop signals alone: a game that SDL had taught to
// ignore SIGTERM could not be stopped by the desktop or by a test's time limit.
#include <gtest/gtest.h>

#include <csignal>

#include "platform/SdlServices.h"

TEST(Signals, SoundLeavesTermAndInterruptAsTheyWere) {
    for (int sig : {SIGTERM, SIGINT}) {
        struct sigaction before {};
        sigaction(sig, nullptr, &before);
        {
            SdlServices services(QUELMOR_BIN_DIR);
            services.Start();
            struct sigaction during {};
            sigaction(sig, nullptr, &during);
            EXPECT_EQ(during.sa_handler, before.sa_handler) << "signal " << sig;
        }
    }
}
