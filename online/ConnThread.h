// The connection thread that checks the score server and submits a new record. It arrives with
// the online scores; until then the object is only created, suspended, and never started.
#pragma once

class ConnThrd {};
