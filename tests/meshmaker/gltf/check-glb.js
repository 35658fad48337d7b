// Runs the Khronos glTF validator on .glb files: prints each file's summary
// and its errors and warnings, writes the JSON report beside the file
// (FILE.report.json), and exits 1 when any file has an error.
//
//   node check-glb.js FILE.glb...      (NODE_PATH: where gltf-validator is installed)
'use strict';
const fs = require('fs');
const validator = require('gltf-validator');

async function check(path) {
    const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(path)), {
        uri: path,
        maxIssues: 0, // every issue
    });
    fs.writeFileSync(path + '.report.json', JSON.stringify(report, null, 2));
    const i = report.issues;
    console.log(`${path}: ${i.numErrors} errors, ${i.numWarnings} warnings, ` +
                `${i.numInfos} infos, ${i.numHints} hints (validator ${report.validatorVersion})`);
    const severities = ['error', 'warning', 'info', 'hint'];
    for (const m of i.messages)
        if (m.severity <= 1)
            console.log(`  ${severities[m.severity]} ${m.code} at ${m.pointer || m.offset}: ${m.message}`);
    return i.numErrors;
}

(async () => {
    const files = process.argv.slice(2);
    if (files.length === 0) {
        console.error('usage: node check-glb.js FILE.glb...');
        process.exit(2);
    }
    let errors = 0;
    for (const f of files) errors += await check(f);
    process.exit(errors === 0 ? 0 : 1);
})().catch((e) => {
    console.error(e);
    process.exit(1);
});
