/* The named tokens of the ring grammars of bench/GrammarGenerator.cpp, in
   the order ring_stream.c numbers them. */
#define NAMED_TOKENS T(ID) T(NUMBER) \
	T(K0) T(K1) T(K2) T(K3) T(K4) T(K5) T(K6) T(K7) T(K8) T(K9) T(K10) T(K11) T(K12) T(K13) T(K14) T(K15) \
	T(K16) T(K17) T(K18) T(K19) T(K20) T(K21) T(K22) T(K23) T(K24) T(K25) T(K26) T(K27) T(K28) T(K29) T(K30) T(K31) \
	T(K32) T(K33) T(K34) T(K35) T(K36) T(K37) T(K38) T(K39) T(K40) T(K41) T(K42) T(K43) T(K44) T(K45) T(K46) T(K47) \
	T(K48) T(K49) T(K50) T(K51) T(K52) T(K53) T(K54) T(K55) T(K56) T(K57) T(K58) T(K59) T(K60) T(K61) T(K62) T(K63)
