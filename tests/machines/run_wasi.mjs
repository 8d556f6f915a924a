// Runs a wasm32-wasi program under Node's WASI: node run_wasi.mjs PROGRAM
// FOLDER ARGS... gives the program FOLDER as its only folder, named "/out".
import { readFile } from 'node:fs/promises';
import { argv, exit } from 'node:process';
import { WASI } from 'node:wasi';

const [program, folder, ...args] = argv.slice(2);
const wasi = new WASI({ version: 'preview1', args: [program, ...args], env: {}, preopens: { '/out': folder },
                        returnOnExit: true });
const module = await WebAssembly.compile(await readFile(program));
exit(wasi.start(await WebAssembly.instantiate(module, wasi.getImportObject())));
