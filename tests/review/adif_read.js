// Reads an ADIF file with the strict reader of the `tcadif` package and prints the number of
// records; any error of the reader (a type check, a bad length) ends with exit code 1.
'use strict';
const { ADIF } = require('tcadif');
const fs = require('fs');

try {
    const adif = ADIF.parse(fs.readFileSync(process.argv[2]).toString());
    console.log(adif.toObject().qsos.length);
} catch (e) {
    console.error(e.message);
    process.exit(1);
}
